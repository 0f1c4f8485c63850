#include "PdfContents.h"

#include <QByteArray>
#include <QtEndian>
#include <regex>

namespace korva::test {

namespace {

int countOf(const std::string& text, const std::regex& pattern) {
    return static_cast<int>(
        std::distance(std::sregex_iterator(text.begin(), text.end(), pattern), {}));
}

// The page contents are compressed (zlib); qUncompress wants the size in front.
std::string inflate(const std::string& data) {
    QByteArray framed(4, '\0');
    qToBigEndian<quint32>(static_cast<quint32>(data.size() * 20), framed.data());
    framed.append(data.data(), static_cast<qsizetype>(data.size()));
    const QByteArray plain = qUncompress(framed);
    return std::string(plain.constData(), static_cast<std::size_t>(plain.size()));
}

}  // namespace

PdfFacts readPdfFacts(const std::string& bytes) {
    PdfFacts facts;
    facts.pages = countOf(bytes, std::regex(R"(/Type\s*/Page(?![s\w]))"));
    facts.colourImages = countOf(bytes, std::regex(R"(/ColorSpace\s*/DeviceRGB)"));
    facts.greyImages = countOf(bytes, std::regex(R"(/ColorSpace\s*/DeviceGray)"));
    static const std::regex stream(R"(stream\r?\n)");
    static const std::regex colour(R"(([\d.]+) ([\d.]+) ([\d.]+) (?:scn|SCN|rg|RG)\b)");
    for (auto it = std::sregex_iterator(bytes.begin(), bytes.end(), stream);
         it != std::sregex_iterator(); ++it) {
        const std::size_t begin = static_cast<std::size_t>(it->position() + it->length());
        const std::size_t end = bytes.find("endstream", begin);
        if (end == std::string::npos) break;
        const std::string contents = inflate(bytes.substr(begin, end - begin));
        for (auto c = std::sregex_iterator(contents.begin(), contents.end(), colour);
             c != std::sregex_iterator(); ++c)
            facts.drawingColours.push_back((*c)[1].str() + " " + (*c)[2].str() + " " +
                                           (*c)[3].str());
    }
    return facts;
}

}  // namespace korva::test
