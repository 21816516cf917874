#pragma once

#include "platform/richedit/formats/DocumentFormat.h"

#include <QIODevice>
#include <QString>

namespace richedit {
class RichEditControl;
}

namespace online {

/// Writes the open document for the e-mail commands. Failures throw (`richedit::Error`).
class DocumentSaver {
public:
    virtual ~DocumentSaver() = default;
    /// A copy in a file, replacing any file of that name.
    virtual void saveToFile(const QString &path, richedit::DocumentFormat format) = 0;
    virtual void saveToStream(QIODevice &out, richedit::DocumentFormat format) = 0;
};

/// The editor's document. The copy for the mail is written from the model, so the editor's
/// current file, format and modified flag stay as they were: later saves still go to the
/// user's own file, not to the copy in TEMP.
class RichEditSaver final : public DocumentSaver {
public:
    explicit RichEditSaver(richedit::RichEditControl &control) : m_control(control) {}
    void saveToFile(const QString &path, richedit::DocumentFormat format) override;
    void saveToStream(QIODevice &out, richedit::DocumentFormat format) override;

private:
    richedit::RichEditControl &m_control;
};

} // namespace online
