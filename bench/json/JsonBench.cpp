// Reads generated JSON documents and prints the time, the process's peak memory and a digest of
// the values read (so that two builds can be compared for the same values), in two cases:
// - valid: an array of supplier records of the given size in MB (50 by default);
// - bad: an object of the given size (1 MB by default) in which every member holds a word that
//   is no literal, so that each member adds an error line quoting the rest of the document, and
//   a valid document of the given size (50 MB by default) whose first value is bad, to show how
//   long the error text becomes.
// Usage: bench_json [valid|bad|all] [megabytes]
#include "ProcessMemory.h"
#include "json/JSON.h"
#include "vb/Collection.h"
#include "vb/Dictionary.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <functional>

namespace {

// One record of about 300 characters: texts, numbers, literals, a list and a nested object.
QString record(int i)
{
    const QString price = QStringLiteral("%1.%2").arg(i % 100000).arg(i % 100, 2, 10, QChar(u'0'));
    return QStringLiteral("{\"id\": %1, \"code\": \"A%2\", \"name\": \"Articulo de prueba numero %1\", "
                          "\"price\": %3, \"active\": %4, \"tags\": [\"ferreteria\", \"bulon\", %5], "
                          "\"supplier\": {\"cuit\": \"30-%2-9\", 'name': 'Proveedor \\u00d1and\\u00fa %6', city: \"Rosario\"}, "
                          "\"note\": null, \"stock\": -%7e1}")
        .arg(i)
        .arg(i, 8, 10, QChar(u'0'))
        .arg(price)
        .arg(i % 2 ? QStringLiteral("true") : QStringLiteral("false"))
        .arg(i % 7)
        .arg(i % 313)
        .arg(i % 1000);
}

// {k0: tx k1: tx ...}: each "tx" is noted with the rest of the text after it.
QString badWords(qsizetype megabytes)
{
    const qsizetype target = megabytes * 1024 * 1024;
    QString text = QStringLiteral("{");
    for (int i = 0; text.size() < target; ++i)
        text += QStringLiteral("k%1: tx ").arg(i);
    return text + u'}';
}

QString document(qsizetype megabytes)
{
    const qsizetype target = megabytes * 1024 * 1024;
    QString text;
    text.reserve(target + 1024);
    text += QStringLiteral("[\r\n");
    for (int i = 0; text.size() < target; ++i) {
        if (i > 0)
            text += QStringLiteral(",\r\n");
        text += record(i);
    }
    text += QStringLiteral("\r\n]");
    return text;
}

struct Digest {
    qint64 objects = 0;
    qint64 lists = 0;
    qint64 texts = 0;
    qint64 textChars = 0;
    qint64 numbers = 0;
    double numberSum = 0;
    qint64 literals = 0;
    quint64 hash = 0;

    void text(const QString& s)
    {
        ++texts;
        textChars += s.size();
        hash = hash * 1099511628211ULL ^ qHash(s);
    }
    void value(const vb::Variant& v)
    {
        if (v.isObject()) {
            if (auto d = v.as<vb::Dictionary>()) {
                ++objects;
                for (int i = 0; i < d->count(); ++i) {
                    text(d->keyAt(i).toString());
                    value(d->itemAt(i));
                }
            } else if (auto c = v.as<vb::Collection>()) {
                ++lists;
                for (const vb::Variant& e : *c)
                    value(e);
            }
        } else if (v.type() == vb::VarType::String) {
            text(v.toString());
        } else if (v.type() == vb::VarType::Boolean || v.isNull()) {
            ++literals;
            hash = hash * 31 + (v.isNull() ? 2 : v.toBool());
        } else if (!v.isEmpty()) {
            ++numbers;
            numberSum += v.toDouble();
            hash = hash * 1099511628211ULL ^ qHash(v.toString());
        }
    }
    void print() const
    {
        std::printf("  values: %lld objects, %lld lists, %lld texts (%lld chars), %lld numbers (sum %.4f), "
                    "%lld literals, digest %016llx\n",
                    objects, lists, texts, textChars, numbers, numberSum, literals, (unsigned long long)hash);
    }
};

void measure(const char* title, const QString& text, bool digest)
{
    std::printf("%s: %.1f MB of text (%lld characters)\n", title, double(text.size()) / (1024 * 1024),
                (long long)text.size());
    const long before = ProcessMemory::resident();
    ProcessMemory::resetPeak();
    QElapsedTimer timer;
    timer.start();
    vb::ObjectPtr result = json::ParseJson(text);
    const double seconds = double(timer.nsecsElapsed()) / 1e9;
    const QString errors = json::JsonParserErrors();
    const long peak = ProcessMemory::peak();
    std::printf("  read in %.2f s; peak %.0f MB (%.0f MB above the %.0f MB held before reading)\n", seconds,
                double(peak) / 1024, double(peak - before) / 1024, double(before) / 1024);
    std::printf("  error text: %lld characters, %lld lines; first line starts \"%s\"\n", (long long)errors.size(),
                (long long)errors.count(QStringLiteral("\r\n")),
                qPrintable(errors.left(errors.indexOf(u'\r')).left(60)));
    if (digest && result) {
        Digest d;
        d.value(vb::Variant(result));
        d.print();
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString mode = args.size() > 1 ? args[1] : QStringLiteral("all");
    bool sizeOk = true;
    const int megabytes = args.size() > 2 ? args[2].toInt(&sizeOk) : 0;
    if (args.size() > 3 || !sizeOk || megabytes < 0
        || !QStringList{QStringLiteral("valid"), QStringLiteral("bad"), QStringLiteral("all")}.contains(mode)) {
        std::fprintf(stderr, "usage: bench_json [valid|bad|all] [megabytes >= 1]\n");
        return 2;
    }
    if (mode != QLatin1String("bad")) {
        measure("valid document", document(megabytes ? megabytes : 50), true);
    }
    if (mode != QLatin1String("valid")) {
        measure("a bad word in every member", badWords(megabytes ? megabytes : 1), false);
        QString first = document(megabytes ? megabytes : 50);
        first.replace(first.indexOf(QStringLiteral("\"price\": ")) + 9, 1, QStringLiteral("n"));
        measure("first price bad", first, false);
    }
    return 0;
}
