#pragma once
#include "about/RtfReader.h"
#include "platform/DesktopOpener.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class QTextBrowser;

// The about window ("FApropos"): the logo, the version and date, the project's web and mail
// links, a line naming the makers and the read-me. Created once; the main window fills the
// version and date before each showing. A missing picture or read-me leaves its place empty and
// is reported once on the status bar; the window opens all the same.
class TFApropos : public QDialog {
    Q_OBJECT
public:
    // report: where a missing file or a link nothing could open is told (the application's status
    // bar); a missing file is told at once only when report is set at creation.
    TFApropos(const QString &programFolder, DesktopOpener open, std::function<void(const QString &)> report,
              QWidget *parent = nullptr);

    // Lversion gets the version, LDate " ( date )" directly to its right.
    void setProgramInfo(const QString &version, const QString &programDate);

    // The two links, as a click runs them.
    void Label1Click();
    void JvHotLink1Click();

    QLabel *Lversion() const { return m_version; }
    QLabel *LDate() const { return m_date; }
    QTextBrowser *RichEdit1() const { return m_readme; }
    // What the creation could not load, in the current language (empty when everything was there).
    QString loadProblems() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QLabel *label(const char *name, const QString &text, int x, int y);
    bool loadPicture(QLabel *target, const QString &path, const QSize &box);

    DesktopOpener m_open;
    std::function<void(const QString &)> m_report;
    void openLink(const QString &address);
    QString m_versionText;
    QLabel *m_logo = nullptr;
    QLabel *m_versionCaption = nullptr;
    QLabel *m_version = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_webLink = nullptr;
    QLabel *m_mailLink = nullptr;
    QLabel *m_maker = nullptr;
    QTextBrowser *m_readme = nullptr;
    QLabel *m_hiddenLogo = nullptr;
    QPushButton *m_ok = nullptr;
    QStringList m_missingPictures;
    QString m_missingReadme;
};
