#include "kit/PasswordCodec.h"

#include "vb/Files.h"

namespace kit {

namespace {

const QString kAlphabet = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz.-_*+#$%!?()");
constexpr QChar kByteEscape = u'~';
constexpr QChar kWideEscape = u'^';

int size() { return int(kAlphabet.size()); }

} // namespace

int PasswordCodec::shiftAt(int position)
{
    return (position * 7 + 19) % size();
}

QString PasswordCodec::digits(int value, int count)
{
    QString out(count, u'0');
    for (int i = count - 1; i >= 0; --i) {
        out[i] = kAlphabet.at(value % size());
        value /= size();
    }
    return out;
}

int PasswordCodec::valueOf(const QString& text, qsizetype from, int count)
{
    if (from + count > text.size())
        return -1;
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype d = kAlphabet.indexOf(text.at(from + i));
        if (d < 0)
            return -1;
        value = value * size() + int(d);
    }
    return value;
}

QString PasswordCodec::encode(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const qsizetype plain = kAlphabet.indexOf(c);
        if (plain >= 0) {
            out += kAlphabet.at((int(plain) + shiftAt(int(i))) % size());
            continue;
        }
        if (vb::Windows1252::canEncode(c))
            out += kByteEscape + digits(vb::Windows1252::fromUnicode(c), 2);
        else
            out += kWideEscape + digits(c.unicode(), 3);
    }
    return out;
}

QString PasswordCodec::decode(const QString& stored)
{
    QString out;
    out.reserve(stored.size());
    qsizetype i = 0;
    while (i < stored.size()) {
        const QChar c = stored.at(i);
        const int count = c == kByteEscape ? 2 : c == kWideEscape ? 3 : 0;
        const int value = count ? valueOf(stored, i + 1, count) : -1;
        if (count && value >= 0 && (count == 3 || value < 256)) {
            out += count == 2 ? vb::Windows1252::toUnicode(std::uint8_t(value)) : QChar(char16_t(value));
            i += 1 + count;
            continue;
        }
        // The shift belongs to the plain text's position, which is out.size() here.
        const qsizetype coded = kAlphabet.indexOf(c);
        out += coded < 0 ? c : kAlphabet.at((int(coded) - shiftAt(int(out.size())) + size() * 2) % size());
        ++i;
    }
    return out;
}

} // namespace kit
