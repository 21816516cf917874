#include "online/AttachmentName.h"

#include <gtest/gtest.h>

namespace {

struct NameCase {
    const char *typed;
    const char *fileName;
    bool leavesFolder;
};

class AttachmentName : public testing::TestWithParam<NameCase> {};

TEST_P(AttachmentName, FollowsTheDocxRuleAndStaysInTemp)
{
    const NameCase &c = GetParam();
    const QString name = online::attachmentFileName(QString::fromUtf8(c.typed));
    EXPECT_EQ(name.toStdString(), std::string(c.fileName));
    EXPECT_EQ(online::leavesFolder(name), c.leavesFolder) << c.typed;
}

INSTANTIATE_TEST_SUITE_P(Names, AttachmentName,
                         testing::Values(NameCase{"Dokument.docx", "Dokument.docx", false},
                                         NameCase{"Report.DOCX", "Report.DOCX", false},
                                         NameCase{"notes.txt", "notes.txt.docx", false},
                                         NameCase{"zprava", "zprava.docx", false},
                                         NameCase{"ZPRÁVA Č. 1", "ZPRÁVA Č. 1.docx", false},
                                         NameCase{".docx", ".docx", false},
                                         NameCase{"docx", "docx.docx", false},
                                         NameCase{"../zprava", "../zprava.docx", true},
                                         NameCase{"..", "...docx", true},
                                         NameCase{"podslozka/zprava.docx", "podslozka/zprava.docx", true},
                                         NameCase{"/etc/cron.d/x", "/etc/cron.d/x.docx", true}));

} // namespace
