// kestrane-rtf: converts an RTF file with our reader, to compare it with other readers.
#include "rtf/paginate.h"
#include "rtf/rtf_reader.h"

#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

namespace {

int usage()
{
    std::fputs("usage: kestrane-rtf --text FILE\n"
               "       kestrane-rtf --html FILE\n"
               "       kestrane-rtf --pdf FILE OUT.pdf [--margins L,T,R,B]  (twips, default 1440 each)\n",
               stderr);
    return 2;
}

void write(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

bool parseMargins(const QString& arg, QMarginsF& margins)
{
    const QStringList parts = arg.split(u',');
    if (parts.size() != 4)
        return false;
    double v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toDouble(&ok);
        if (!ok || v[i] < 0)
            return false;
    }
    margins = QMarginsF(v[0], v[1], v[2], v[3]);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Fonts and PDF output need a GUI application, but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString mode = args[1];
    if (mode != u"--text" && mode != u"--html" && mode != u"--pdf")
        return usage();

    QFile file(args[2]);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "kestrane-rtf: cannot open %s\n", qPrintable(args[2]));
        return 1;
    }
    QTextDocument doc;
    const rtf::ReadResult result = rtf::readRtf(file.readAll(), &doc);
    if (!result.ok) {
        std::fprintf(stderr, "kestrane-rtf: %s: %s\n", qPrintable(args[2]), qPrintable(result.error));
        return 1;
    }

    if (mode == u"--text") {
        write(rtf::plainText(doc) + u'\n');
        return 0;
    }
    if (mode == u"--html") {
        write(doc.toHtml());
        return 0;
    }

    if (args.size() < 4)
        return usage();
    QMarginsF margins(1440, 1440, 1440, 1440);
    if (args.size() >= 6 && args[4] == u"--margins") {
        if (!parseMargins(args[5], margins))
            return usage();
    } else if (args.size() != 4) {
        return usage();
    }
    QPdfWriter writer(args[3]);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setResolution(600);
    const int pages = rtf::printDocument(doc, writer, margins);
    if (pages <= 0) {
        std::fprintf(stderr, "kestrane-rtf: nothing could be printed\n");
        return 1;
    }
    std::printf("%d\n", pages);
    return 0;
}
