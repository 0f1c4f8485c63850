#pragma once
// A written report page as a rich-text document, laid out as the printed page: its
// pictures load from beside it (the html folder's img/).

#include <QString>
#include <QTextDocument>
#include <memory>

namespace korva {

// The width a page is laid out at: 8.5 inches at 96 pixels an inch, as a browser would.
inline constexpr int kPageLayoutWidth = 816;

// Null when the file cannot be read; error then says why.
std::unique_ptr<QTextDocument> loadHtmlPage(const QString& path, QString& error);

}  // namespace korva
