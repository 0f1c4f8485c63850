#pragma once
// What the printing tests read back from a PDF the program wrote.

#include <string>
#include <vector>

namespace korva::test {

struct PdfFacts {
    int pages = 0;
    // Colours the page contents are drawn in, "r g b" each as written.
    std::vector<std::string> drawingColours;
    int colourImages = 0;  // pictures stored in RGB
    int greyImages = 0;
};

PdfFacts readPdfFacts(const std::string& bytes);

}  // namespace korva::test
