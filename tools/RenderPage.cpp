// korva_render_page PAGE.html OUT.png [WIDTH]: draws a written page as the print will lay it
// out (the printing's own page renderer, pictures from beside the page), WIDTH pixels wide,
// to look at.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <iostream>

#include "printing/HtmlPageDocument.h"

namespace {

constexpr int kLetterWidth = 816;  // 8.5 inches at 96 pixels an inch
constexpr int kTallest = 6000;     // a long page is cut here; the top shows the layout

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 3 || argc > 4) {
        std::cerr << "usage: korva_render_page PAGE.html OUT.png [WIDTH]\n";
        return 2;
    }
    const int width = argc == 4 ? std::max(100, QString(argv[3]).toInt()) : kLetterWidth;
    QString error;
    const auto page = korva::loadHtmlPage(QString::fromLocal8Bit(argv[1]), error);
    if (!page) {
        std::cerr << "cannot read " << argv[1] << ": " << error.toStdString() << "\n";
        return 1;
    }
    QTextDocument& doc = *page;
    doc.setTextWidth(width);
    const int height = std::min(kTallest, static_cast<int>(doc.size().height()) + 1);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    doc.drawContents(&painter, QRectF(0, 0, width, height));
    painter.end();
    // An indexed image keeps the PNGs small enough to commit.
    const QImage small =
        image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither);
    return small.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}
