#include "shell/LanguageCatalog.h"

LanguageCatalog::LanguageCatalog(QObject *parent) : QObject(parent) {}

LanguageCatalog::~LanguageCatalog() = default;

LanguageTexts &LanguageCatalog::ownTexts()
{
    if (!m_texts) {
        m_texts = std::make_unique<LanguageTexts>();
        m_texts->components = [this](const QString &window, const QString &component, const QString &property) {
            return m_file.componentText(window, component, property);
        };
    }
    return *m_texts;
}

bool LanguageCatalog::load(const QString &path)
{
    LanguageFile file;
    if (path.isEmpty() || !file.load(path))
        return false;
    file.applyHeadless(ownTexts(), nullptr);
    m_file = std::move(file);
    putInForce();
    emit changed();
    return true;
}

bool LanguageCatalog::loadVocabulary(const QString &path)
{
    if (LanguageFile::applyVocabularyOf(path, ownTexts().vocabulary) < 0)
        return false;
    m_file = LanguageFile();
    putInForce();
    emit changed();
    return true;
}

void LanguageCatalog::putInForce()
{
    if (!m_inForce)
        m_inForce.emplace(*m_texts);
}

QString LanguageCatalog::text(const QString &window, const QString &component, const QString &property,
                              const QString &frenchDefault) const
{
    return m_file.componentText(window, component, property).value_or(frenchDefault);
}
