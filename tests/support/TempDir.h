#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

/// A fresh folder for one test, removed afterwards, with small helpers for its files.
class TempDir {
public:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString root() const { return m_dir.path(); }

    QString write(const QString &name, const QByteArray &content) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return path(name);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_dir;
};
