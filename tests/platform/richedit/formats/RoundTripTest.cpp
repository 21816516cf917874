#include "DocumentBuilders.h"
#include "ModelDump.h"

#include "platform/richedit/formats/Formats.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace richedit::test {
namespace {

std::unique_ptr<Document> roundTrip(const Document &document, DocumentFormat format, ReadReport *report = nullptr)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeDocument(document, buffer, format);
    return readDocument(buffer.data(), format, QStringLiteral("round trip"), report);
}

struct Case {
    std::size_t builder;
    DocumentFormat format;
};

void PrintTo(const Case &c, std::ostream *out)
{
    *out << featureBuilders()[c.builder].name << (c.format == DocumentFormat::Rtf ? " in RTF" : " in DOCX");
}

class FeatureRoundTrip : public testing::TestWithParam<Case> {};

TEST_P(FeatureRoundTrip, WrittenAndReadBackGivesTheSameModel)
{
    const FeatureBuilder &builder = featureBuilders()[GetParam().builder];
    const auto original = builder.build();
    ReadReport report;
    const auto copy = roundTrip(*original, GetParam().format, &report);
    EXPECT_EQ(dumpModel(*copy).toStdString(), dumpModel(*original).toStdString());
    EXPECT_TRUE(report.warnings.isEmpty()) << report.warnings.join(QLatin1Char('\n')).toStdString();
}

std::vector<Case> allCases()
{
    std::vector<Case> cases;
    for (std::size_t i = 0; i < featureBuilders().size(); ++i)
        for (DocumentFormat format : {DocumentFormat::Rtf, DocumentFormat::OpenXml})
            cases.push_back({i, format});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Formats, FeatureRoundTrip, testing::ValuesIn(allCases()),
                         [](const testing::TestParamInfo<Case> &info) {
                             return std::string(featureBuilders()[info.param.builder].name) +
                                    (info.param.format == DocumentFormat::Rtf ? "_Rtf" : "_Docx");
                         });

TEST(RoundTrip, EveryFeatureTogetherSurvivesBothFormats)
{
    const auto original = buildEverything();
    for (DocumentFormat format : {DocumentFormat::Rtf, DocumentFormat::OpenXml}) {
        const auto copy = roundTrip(*original, format);
        EXPECT_EQ(dumpModel(*copy).toStdString(), dumpModel(*original).toStdString());
    }
}

TEST(RoundTrip, DocxReadBackThenRtfReadBackGivesTheSameModel)
{
    const auto original = buildEverything();
    const auto fromDocx = roundTrip(*original, DocumentFormat::OpenXml);
    const auto fromRtf = roundTrip(*fromDocx, DocumentFormat::Rtf);
    EXPECT_EQ(dumpModel(*fromRtf).toStdString(), dumpModel(*fromDocx).toStdString());
    const auto backToDocx = roundTrip(*fromRtf, DocumentFormat::OpenXml);
    EXPECT_EQ(dumpModel(*backToDocx).toStdString(), dumpModel(*original).toStdString());
}

TEST(RoundTrip, PlainTextOfBothFormatsMatchesTheModel)
{
    const auto original = buildEverything();
    for (DocumentFormat format : {DocumentFormat::Rtf, DocumentFormat::OpenXml})
        EXPECT_EQ(roundTrip(*original, format)->plainText(), original->plainText());
}

} // namespace
} // namespace richedit::test
