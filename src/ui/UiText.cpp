// Conversions of program texts and paths.
#include "ui/UiText.h"

#include "ui/CodePages.h"

#include <QDir>
#include <QStringDecoder>

namespace quillon::ui {

QString FromProgramText(const std::string& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    return BytesToText(bytes, AllCodePages()[0]);
}

QString FromProgramLines(const std::string& bytes) {
    QString text = FromProgramText(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

std::string ToProgramText(const QString& text) {
    return text.toStdString();
}

std::string ToNativePath(const QString& path) {
    return QDir::toNativeSeparators(path).toStdString();
}

QString FromNativePath(const std::string& path) {
    return QDir::fromNativeSeparators(QString::fromStdString(path));
}

} // namespace quillon::ui
