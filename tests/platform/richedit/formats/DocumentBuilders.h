#pragma once

#include "platform/richedit/model/Document.h"

#include <QTextCharFormat>

#include <functional>
#include <memory>

namespace richedit::test {

/// Appends paragraphs and runs to a story: `paragraph({{"plain "}, {"bold", bold}})`.
class StoryWriter {
public:
    struct Run {
        QString text;
        QTextCharFormat format = {};
    };
    explicit StoryWriter(QTextDocument *story);
    StoryWriter &paragraph(std::initializer_list<Run> runs, const QTextBlockFormat &format = {});
    QTextCursor &cursor() { return m_cursor; }

private:
    QTextCursor m_cursor;
    bool m_first = true;
};

/// One small document per feature of the model.
struct FeatureBuilder {
    const char *name;
    std::function<std::unique_ptr<Document>()> build;
};
const std::vector<FeatureBuilder> &featureBuilders();

/// All features in one document.
std::unique_ptr<Document> buildEverything();

} // namespace richedit::test
