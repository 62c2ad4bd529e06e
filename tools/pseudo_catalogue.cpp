// Writes the pseudo-language: reads a catalogue of the code's texts and gives each one a
// translation in brackets, its letters accented and a third longer, keeping what the program
// fills in or reads (%1, %n, tags, entities, line breaks) as it stands.
//   pseudo-catalogue <source.ts> <pseudo.ts>

#include <QCoreApplication>
#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdio>
#include <utility>

namespace {

QString accented(QChar c) {
    static const QString plain = QStringLiteral("aceinouyAEIOUCNY");
    static const QString marked = QStringLiteral("áçéíñóúýÁÉÍÓÚÇÑÝ");
    const qsizetype at = plain.indexOf(c);
    return at < 0 ? QString(c) : QString(marked[at]);
}

QString pseudo(const QString& text) {
    QString out = QStringLiteral("[");
    int letters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Placeholders, tags and entities pass through whole.
        qsizetype end = i;
        if (c == QLatin1Char('%')) {
            end = i + 1;
            if (end < text.size() && text[end] == QLatin1Char('L'))
                ++end;
            if (end < text.size() && text[end] == QLatin1Char('n'))
                ++end;
            else
                while (end < text.size() && text[end].isDigit())
                    ++end;
            --end;
        } else if (c == QLatin1Char('<') || c == QLatin1Char('&')) {
            const qsizetype close =
                text.indexOf(c == QLatin1Char('<') ? QLatin1Char('>') : QLatin1Char(';'), i);
            end = close < 0 ? i : close;
        }
        if (end > i) {
            out += text.mid(i, end - i + 1);
            i = end;
            continue;
        }
        // Each word a third longer, so longer words wrap as a longer language's would.
        if (!c.isLetter() && letters > 0) {
            out += QString((letters + 1) / 3, QLatin1Char('~'));
            letters = 0;
        }
        if (c.isLetter())
            ++letters;
        out += accented(c);
    }
    out += QString((letters + 1) / 3, QLatin1Char('~'));
    return out + QLatin1Char(']');
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: pseudo-catalogue <source.ts> <pseudo.ts>\n", stderr);
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!in.open(QIODevice::ReadOnly) || !out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "pseudo-catalogue: cannot open %s or %s\n", argv[1], argv[2]);
        return 1;
    }
    // Each context's messages, read whole, then written again with their pseudo translations.
    struct Message {
        QString source;
        QString comment;
        bool numerus = false;
    };
    QList<std::pair<QString, QList<Message>>> contexts;
    QXmlStreamReader reader(&in);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("context")) {
            contexts.emplaceBack();
        } else if (reader.name() == QLatin1String("name") && !contexts.isEmpty()) {
            contexts.back().first = reader.readElementText();
        } else if (reader.name() == QLatin1String("message") && !contexts.isEmpty()) {
            contexts.back().second.append(
                Message{.source = {},
                        .comment = {},
                        .numerus = reader.attributes().value(QLatin1String("numerus")) ==
                                   QLatin1String("yes")});
        } else if (reader.name() == QLatin1String("source") && !contexts.isEmpty() &&
                   !contexts.back().second.isEmpty()) {
            contexts.back().second.back().source = reader.readElementText();
        } else if (reader.name() == QLatin1String("comment") && !contexts.isEmpty() &&
                   !contexts.back().second.isEmpty()) {
            contexts.back().second.back().comment = reader.readElementText();
        }
    }
    if (reader.hasError()) {
        std::fprintf(stderr, "pseudo-catalogue: %s: %s\n", argv[1],
                     qPrintable(reader.errorString()));
        return 1;
    }

    QXmlStreamWriter writer(&out);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeDTD(QStringLiteral("<!DOCTYPE TS>"));
    writer.writeStartElement(QStringLiteral("TS"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.1"));
    writer.writeAttribute(QStringLiteral("language"), QStringLiteral("en"));
    for (const auto& [name, messages] : contexts) {
        writer.writeStartElement(QStringLiteral("context"));
        writer.writeTextElement(QStringLiteral("name"), name);
        for (const Message& m : messages) {
            writer.writeStartElement(QStringLiteral("message"));
            if (m.numerus)
                writer.writeAttribute(QStringLiteral("numerus"), QStringLiteral("yes"));
            writer.writeTextElement(QStringLiteral("source"), m.source);
            if (!m.comment.isEmpty())
                writer.writeTextElement(QStringLiteral("comment"), m.comment);
            if (m.numerus) {
                writer.writeStartElement(QStringLiteral("translation"));
                writer.writeTextElement(QStringLiteral("numerusform"), pseudo(m.source));
                writer.writeTextElement(QStringLiteral("numerusform"), pseudo(m.source));
                writer.writeEndElement();
            } else {
                writer.writeTextElement(QStringLiteral("translation"), pseudo(m.source));
            }
            writer.writeEndElement();
        }
        writer.writeEndElement();
    }
    writer.writeEndDocument();
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
