#include "printing/HtmlPageDocument.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include "printing/FixedTableWidths.h"
#include "race/TextCodec.h"

namespace korva {

std::unique_ptr<QTextDocument> loadHtmlPage(const QString& path, QString& error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return nullptr;
    }
    const QByteArray bytes = file.readAll();
    auto doc = std::make_unique<QTextDocument>();
    doc->setBaseUrl(QUrl::fromLocalFile(QFileInfo(file).absolutePath() + "/"));
    // Pages are written in Windows-1252, like the race texts they show.
    doc->setHtml(
        QString::fromStdString(cp1252ToUtf8(std::string_view(bytes.constData(), bytes.size()))));
    keepFixedTableWidths(*doc);
    doc->setTextWidth(kPageLayoutWidth);
    return doc;
}

}  // namespace korva
