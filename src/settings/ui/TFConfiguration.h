#pragma once
#include <functional>
#include <optional>
#include "settings/QuickSetupModel.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

// The quick setup wizard ("FConfiguration"): welcome with the release notes, language, team
// and account, finish. A view of QuickSetupModel; Finish writes the settings and closes with
// OK, Cancel closes without writing. Control names are those the language files use.
class TFConfiguration : public QDialog {
    Q_OBJECT
public:
    TFConfiguration(Settings &settings, const QString &programFolder, QWidget *parent = nullptr);

    QuickSetupModel &model() { return m_model; }
    QPushButton *button(const char *name) const;

    // Where the wizard's messages come from while the user tries a language not yet stored
    // (by window and component names as the language files give them); without one, the
    // language in force.
    using MessageSource = std::function<std::optional<QString>(const QString &window, const QString &component)>;
    void setMessageSource(MessageSource source) { m_messageSource = std::move(source); }

signals:
    // The user picked a language: the window may show itself in it at once.
    void languageChosen(const QString &name);

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makePage(const char *name, const char *subtitle, QWidget *content, bool watermark = false);
    void repaint();
    void finishClick();
    void helpClick();
    QString message(const char *name, const QString &builtIn) const;

    QuickSetupModel m_model;
    QString m_programFolder;
    bool m_painting = false;
    QStackedWidget *m_stack = nullptr;
    QComboBox *m_langue = nullptr;
    QLineEdit *m_nomEquipe = nullptr;
    QLineEdit *m_idEquipe = nullptr;
    QLineEdit *m_hUser = nullptr;
    QLineEdit *m_hPassword = nullptr;
    QPushButton *m_start = nullptr;
    QPushButton *m_last = nullptr;
    QPushButton *m_back = nullptr;
    QPushButton *m_next = nullptr;
    QPushButton *m_finish = nullptr;
    QPushButton *m_cancel = nullptr;
    QPushButton *m_help = nullptr;
    MessageSource m_messageSource;
    QLabel *m_status = nullptr;
    QTextBrowser *m_notes = nullptr;
    QString m_notesLanguage; // the language the release notes are shown in
};
