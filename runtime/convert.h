#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The text's leading number ("12abc" gives 12, "" and "x" give 0).
double Val(const QString &text);
// The text as a number when it is one whole, otherwise nothing.
std::optional<double> toNumber(const QString &text);

// Single-byte text in the Windows-1252 code page: a character that does not fit becomes "?".
QByteArray toAnsi(const QString &text);
QString fromAnsi(const QByteArray &bytes);
