#pragma once
// A report run's written pages as one PDF file, one sheet per page.

#include <string>
#include <vector>

namespace korva {

struct PdfLook {
    bool greyscale = false;  // for black-and-white copies
};

// Writes atomically (a failed run keeps an older file); false with error set on failure.
bool writePdf(const std::vector<std::string>& pages, const std::string& pdfPath,
              const PdfLook& look, std::string& error);

}  // namespace korva
