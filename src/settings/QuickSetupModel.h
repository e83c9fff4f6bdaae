#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class Settings;

// What the quick setup wizard (FConfiguration) shows and does, without widgets: four pages
// (welcome, language, team, finish), the language list, the team and account boxes and the
// formula of the forward towards the wing, which the wizard seeds. Finish writes the settings;
// Cancel writes nothing.
class QuickSetupModel : public QObject {
    Q_OBJECT
public:
    enum Page { Welcome, Language, Team, Finish, PageCount };
    static constexpr int kAtaSkills = 7;

    QuickSetupModel(Settings &settings, const QString &programFolder, QObject *parent = nullptr);

    // The seven weights of the "ATA" formula written when the settings file has none.
    static const std::array<int, kAtaSkills> &ataDefaults();
    static QString ataKey(int skill); // "ATAEndurance" ... "ATAGardien"

    // Reads the settings into the boxes; the wizard starts on the welcome page.
    void FormShow();

    int page() const { return m_page; }
    // Next: false (and the page stays) on the team page while the user name or the security
    // code is empty, and on the last page.
    bool canGoNext() const;
    bool next();
    bool back();
    void toStartPage() { m_page = Welcome; emit changed(); }
    // As far forward as the pages allow: it stops on the team page while it is incomplete.
    void toLastPage();

    // Writes language, team and account, the "ATA" formula and removes the old password key.
    // False when a write failed.
    bool finish();

    const QStringList &languages() const { return m_languages; }
    int languageIndex() const { return m_languageIndex; }
    void setLanguageIndex(int index);
    QString languageName() const;

    struct Boxes {
        QString nomEquipe, idEquipe, hUser, hPassword;
    };
    Boxes &boxes() { return m_boxes; }
    const Boxes &boxes() const { return m_boxes; }
    const std::array<int, kAtaSkills> &ataWeights() const { return m_ata; }

signals:
    void changed();

private:
    Settings &m_settings;
    QString m_programFolder;
    int m_page = Welcome;
    QStringList m_languages;
    int m_languageIndex = -1;
    Boxes m_boxes;
    std::array<int, kAtaSkills> m_ata{};
};
