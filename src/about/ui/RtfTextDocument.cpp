#include "about/ui/RtfTextDocument.h"

#include <QColor>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {
Qt::Alignment alignmentOf(RtfParagraph::Alignment a)
{
    switch (a) {
    case RtfParagraph::Centre:
        return Qt::AlignHCenter;
    case RtfParagraph::Right:
        return Qt::AlignRight;
    case RtfParagraph::Justify:
        return Qt::AlignJustify;
    case RtfParagraph::Left:
        break;
    }
    return Qt::AlignLeft;
}
} // namespace

void RtfTextDocument::fill(QTextDocument *target, const RtfDocument &source)
{
    target->clear();
    QTextCursor cursor(target);
    bool first = true;
    for (const RtfParagraph &paragraph : source.paragraphs) {
        QTextBlockFormat block;
        block.setAlignment(alignmentOf(paragraph.alignment));
        if (first)
            cursor.setBlockFormat(block);
        else
            cursor.insertBlock(block);
        first = false;
        for (const RtfRun &run : paragraph.runs) {
            QTextCharFormat format;
            format.setFontWeight(run.format.bold ? QFont::Bold : QFont::Normal);
            format.setFontItalic(run.format.italic);
            format.setFontUnderline(run.format.underline);
            if (run.format.halfPoints > 0)
                format.setFontPointSize(run.format.halfPoints / 2.0);
            if (run.format.colour)
                format.setForeground(QColor(run.format.colour->red, run.format.colour->green, run.format.colour->blue));
            cursor.insertText(run.text, format);
        }
    }
}
