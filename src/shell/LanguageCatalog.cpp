#include "shell/LanguageCatalog.h"

LanguageCatalog::LanguageCatalog(QObject *parent) : QObject(parent) {}

LanguageCatalog::~LanguageCatalog() = default;

LanguageTexts &LanguageCatalog::ownTexts()
{
    if (!m_texts) {
        m_texts = std::make_unique<LanguageTexts>();
        m_texts->components = [this](const QString &window, const QString &component,
                                     const QString &property) -> std::optional<QString> {
            bool found = false;
            QString text = m_file.componentText(window, component, property, &found);
            return found ? std::optional<QString>(std::move(text)) : std::nullopt;
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
    m_path = path;
    putInForce();
    emit changed();
    return true;
}

bool LanguageCatalog::loadVocabulary(const QString &path)
{
    if (LanguageFile::applyVocabularyOf(path, ownTexts().vocabulary) < 0)
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
        m_inForce.emplace(*m_texts);
}

const LanguageTexts &LanguageCatalog::texts() const { return m_texts ? *m_texts : LanguageTexts::inForce(); }

QString LanguageCatalog::text(const QString &window, const QString &component, const QString &property,
                              const QString &frenchDefault) const
{
    bool found = false;
    const QString text = m_file.componentText(window, component, property, &found);
    return found ? text : frenchDefault;
}
