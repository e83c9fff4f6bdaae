#include "common/LanguageTexts.h"

#include <QList>

namespace {

QList<const LanguageTexts *> &holders()
{
    static QList<const LanguageTexts *> list;
    return list;
}

} // namespace

QString vocab(const QString &key) { return LanguageTexts::inForce().vocabulary.text(key); }

const LanguageTexts &LanguageTexts::inForce()
{
    const QList<const LanguageTexts *> &list = holders();
    if (!list.isEmpty())
        return *list.constLast();
    static const LanguageTexts french;
    return french;
}

TextsInForce::TextsInForce(const LanguageTexts &texts) : m_texts(&texts) { holders().append(m_texts); }

TextsInForce::~TextsInForce()
{
    QList<const LanguageTexts *> &list = holders();
    const qsizetype at = list.lastIndexOf(m_texts);
    if (at >= 0)
        list.removeAt(at);
}

QString windowText(const QString &window, const QString &component, const QString &builtIn)
{
    const LanguageTexts &texts = LanguageTexts::inForce();
    if (texts.components) {
        if (std::optional<QString> text = texts.components(window, component, QStringLiteral("Caption")))
            return *text;
    }
    return builtIn;
}
