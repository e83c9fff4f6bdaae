#pragma once
#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class Settings;

// What the settings dialog (FrmParam) shows and does, without widgets: the working table of the
// 19 position formulas, the seven formula sliders with their sum rule, the three general
// sliders, the language, hot key and keep-on-top choices and the team, account and proxy boxes.
// The dialog forwards each user event to the method of the same name and repaints on changed().
//
// The seven weights of one position kind are kept at a total of 100: moving one slider makes
// the rule move the others, one unit at a time, each unit being itself a slider change that
// runs the rule again before the outer rule goes on.
class ParamDialogModel : public QObject {
    Q_OBJECT
public:
    static constexpr int kRows = 19;
    static constexpr int kSkills = 7;   // Endurance, Construction, Passe, Ailier, Defense, Buteur, Gardien
    static constexpr int kGeneral = 3;  // Forme, Experience, Endurance
    using Row = std::array<int, kSkills>;

    ParamDialogModel(Settings &settings, const QString &programFolder, QObject *parent = nullptr);

    // ---- the fixed tables ----
    // The entries of the position list (French, as built) and the key prefix each one edits.
    static const QStringList &posteEntries();
    static QString prefix(int row);
    static QString skillSuffix(int skill);
    static QString formulaKey(int row, int skill) { return prefix(row) + skillSuffix(skill); }
    static QString generalKey(int g); // "Forme", "Experience", "Endurance"
    // A value label: "[ 40 ]".
    static QString valueText(int value);

    // ---- events of the dialog ----
    void FormCreate();
    // mainOnTop: the main window's keep-on-top state, which the check box takes.
    void FormShow(bool mainOnTop);
    // Every time the dialog opens: the file's values again; currentHotKey is the combination the
    // main window has registered.
    void FormActivate(const QString &currentHotKey);
    void cbPosteChange(int index);
    void TabFormulesExit();
    // The user moved formula slider `skill` (0..6) to value: the sum rule runs.
    void sliderChange(int skill, int value);
    void sliderKeyUp(int skill);
    void generalChange(int g, int value);
    void cbxProxyClick(bool checked);
    // Save (the dialog then closes with OK) / save and stay. False when a write failed, or when
    // a server box holds no usable address (then nothing is written; see hostRefused).
    bool BOKClick();
    bool BApplyClick();
    // The name of the first server box ("EGameHost", "EUpdateHost") whose text is no usable
    // address; empty when both are.
    QString refusedHostBox() const;

    // ---- operations ----
    void InicbPoste();
    void ChargePoste(int row);
    void SetPoste(int row);
    bool SavePoste();
    bool SaveParam();

    // ---- what the controls show ----
    const Row &row(int i) const { return m_table[i]; }
    void setRow(int i, const Row &values) { m_table[i] = values; }
    int currentRow() const { return m_currentRow; }
    bool loading() const { return m_loading; }
    int slider(int skill) const { return m_sliders[skill]; }
    int sliderTotal() const;
    int general(int g) const { return m_general[g]; }
    // Formula values of the file outside 0..100, brought into range by the last table load:
    // "DLPasse 150 → 100", one per key. Empty when every value was in range.
    const QStringList &clampedKeys() const { return m_clamped; }

    const QStringList &languages() const { return m_languages; }
    int languageIndex() const { return m_languageIndex; } // -1: none selected
    void setLanguageIndex(int index);

    // Boxes the dialog writes straight into as the user types.
    struct Boxes {
        bool onTop = false;
        QString hotKey;           // "Ctrl+C"
        QString nomEquipe, idEquipe, hUser, hPassword;
        bool useProxy = false;    // cbxProxy; also enables the proxy group
        QString proxy, port = QStringLiteral("80"), userProxy, proxyPassword;
        // The game and update servers ("host", "host:port" or an http(s) URL); empty: the program's own.
        QString gameHost, updateHost;
    };
    Boxes &boxes() { return m_boxes; }
    const Boxes &boxes() const { return m_boxes; }

signals:
    // Something the controls show has changed.
    void changed();
    // The settings were written: the main window applies language, hot key, keep-on-top and
    // recomputes the position values.
    void saved();
    // The last table load brought out-of-range values into 0..100 (see clampedKeys()).
    void valuesClamped(const QStringList &keys);
    // A save was refused: the server box named holds text that is no usable address.
    void hostRefused(const QString &boxName, const QString &text);

private:
    void setSlider(int skill, int value);
    void sumRule(int moved);
    int readWeight(const QString &key);

    Settings &m_settings;
    QString m_programFolder;
    std::array<Row, kRows> m_table{};
    Row m_sliders{};
    std::array<int, kGeneral> m_general{};
    int m_currentRow = 0;
    bool m_loading = false;
    QStringList m_clamped;
    QStringList m_languages;
    int m_languageIndex = -1;
    Boxes m_boxes;
};
