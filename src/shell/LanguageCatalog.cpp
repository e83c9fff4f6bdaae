#include "shell/LanguageCatalog.h"

LanguageCatalog::LanguageCatalog(QObject *parent) : QObject(parent)
{
    m_texts.components = [this](const QString &window, const QString &component,
                                const QString &property) -> std::optional<QString> {
        bool found = false;
        QString text = m_file.componentText(window, component, property, &found);
        return found ? std::optional<QString>(std::move(text)) : std::nullopt;
    };
}

bool LanguageCatalog::load(const QString &path)
{
    LanguageFile file;
    if (path.isEmpty() || !file.load(path))
        return false;
    file.applyHeadless(m_texts, nullptr);
    m_file = std::move(file);
    m_path = path;
    putInForce();
    emit changed();
    return true;
}

bool LanguageCatalog::loadVocabulary(const QString &path)
{
    if (LanguageFile::applyVocabularyOf(path, m_texts.vocabulary) < 0)
        return false;
    m_file = LanguageFile();
    m_path = path;
    putInForce();
    emit changed();
    return true;
}

void LanguageCatalog::putInForce()
{
    if (!m_inForce)
        m_inForce.emplace(m_texts);
}

QString LanguageCatalog::text(const QString &window, const QString &component, const QString &property,
                              const QString &frenchDefault) const
{
    return m_texts.components(window, component, property).value_or(frenchDefault);
}
