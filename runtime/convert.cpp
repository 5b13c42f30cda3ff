#include "runtime/convert.h"

#include <QRegularExpression>

#include <array>

double Val(const QString &text)
{
    static const QRegularExpression leading(
        QStringLiteral(R"(^\s*([+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?))"));
    const auto match = leading.match(text);
    return match.hasMatch() ? match.captured(1).toDouble() : 0.0;
}

std::optional<double> toNumber(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

namespace {

// Windows-1252 bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char16_t, 32> High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decodeByte(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return High[byte - 0x80] ? High[byte - 0x80] : char16_t(byte);
    return char16_t(byte);
}

} // namespace

QByteArray toAnsi(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i; // one character outside the code page, one "?"
        char byte = '?';
        if (c.unicode() < 0x80 || (c.unicode() >= 0xA0 && c.unicode() <= 0xFF)) {
            byte = static_cast<char>(c.unicode());
        } else {
            for (int k = 0; k < 32; ++k) {
                if (High[k] && High[k] == c.unicode())
                    byte = static_cast<char>(0x80 + k);
            }
        }
        bytes.append(byte);
    }
    return bytes;
}

QString fromAnsi(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text.append(QChar(decodeByte(static_cast<unsigned char>(byte))));
    return text;
}
