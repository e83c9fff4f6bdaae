#include "shell/MainModel.h"

#include "evaluation/RosterListing.h"

#include <QFileInfo>

namespace {
const QString kDefaut = QStringLiteral("defaut");
const QString kPlayersXml = QStringLiteral("PlayersXML");
} // namespace

MainModel::MainModel(const QString &programFolder, QObject *parent)
    : QObject(parent), m_folder(programFolder), m_settings(m_folder.programPath(QStringLiteral("SQW.ini")))
{
}

RosterLoadResult MainModel::loadRoster()
{
    m_weights = loadFormulaWeights(m_settings);
    // Always the data folder's players file, whatever path the caller loaded.
    const QString path = m_folder.gameFilePath(GameFile::Players);
    RosterLoadResult result;
    try {
        result = RosterLoader::load(path, m_weights, m_roster);
    } catch (...) {
        emit rosterChanged(); // records before the faulty player were stored
        throw;
    }
    m_warnings = result.warnings;
    emit rosterChanged();
    return result;
}

bool MainModel::chargePlayersXML(const QString &path)
{
    setCalculeEnabled(true);
    m_listRows.clear();
    if (!QFileInfo(path).isFile()) {
        setCalculeEnabled(false);
        emit rosterChanged();
        return false;
    }
    setCalculeEnabled(true);
    m_playersPath = path;
    const int rows = RosterLoader::readPlayerCount(path);
    // Remembered only once the file has proved readable, and only when it changed, so that
    // looking at a broken file never touches the settings.
    if (m_settings.readString(kDefaut, kPlayersXml, QString()) != path)
        m_settings.writeString(kDefaut, kPlayersXml, path);
    loadRoster();
    m_listRows = RosterListing::displayOrder(m_roster, qMin(rows, int(m_roster.count)),
                                             RosterListing::nameCollator());
    m_candidates = RosterListing::assignListPositions(m_roster, m_listRows);
    emit rosterChanged();
    return true;
}

void MainModel::setCalculeEnabled(bool on)
{
    if (m_calculeEnabled == on)
        return;
    m_calculeEnabled = on;
    emit commandStateChanged();
}
