// Reading the formula weights from the settings file, as every roster load does.
#include "evaluation/PositionFormulas.h"
#include "evaluation/PositionKinds.h"
#include "settings/IniFile.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A settings file as a user's settles down: every section the program writes, the formula
// section as the settings dialog writes it, CRLF line breaks.
QByteArray realisticSettings()
{
    QByteArray s =
        "[defaut]\r\nlangue=SQW_lang_french\r\nHotKey=Ctrl+C\r\nontop=no\r\n"
        "PlayersXML=C:\\Program Files\\Squadwright\\xml\\players.xml\r\nrepositionnement=2\r\nShowConfig=0\r\n"
        "[user]\r\nTeamID=123456\r\nTeamName=Les Etoiles du Nord\r\nUserName=manager\r\nSecurityPassword=s3cret\r\n"
        "[online]\r\nUseProxy=0\r\nProxy=\r\nProxyPort=80\r\nUserProxy=\r\nProxyPassword=\r\n"
        "[options]\r\ncartons=NO\r\nblesse=YES\r\nCalculAll=NO\r\nmethode=1\r\n"
        "[player]\r\n";
    for (int kind = 1; kind <= PositionKinds::kCount; ++kind)
        for (int skill = 1; skill <= PositionKinds::kSkillCount; ++skill)
            s += QByteArray(PositionKinds::keyPrefix(kind)) + PositionKinds::skillSuffix(skill) + '='
                + QByteArray::number((kind * 13 + skill * 7) % 41) + "\r\n";
    s += "Forme=30\r\nExperience=20\r\nEndurance=10\r\n";
    return s;
}

struct SettingsFile {
    QTemporaryDir dir;
    QString path;
    explicit SettingsFile(bool settled)
    {
        path = dir.filePath(QStringLiteral("SQW.ini"));
        QFile f(path);
        const QByteArray content = realisticSettings();
        if (!f.open(QIODevice::WriteOnly) || f.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        // A settled file was last changed long ago; a young one a moment ago.
        f.flush(); // or closing would date the file anew
        if (settled && !f.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime))
            qFatal("cannot date %s", qPrintable(path));
    }
};

// The 136 formula keys through one handle, file unchanged: the usual case.
void BM_ReadFormulaKeys(benchmark::State &state)
{
    const SettingsFile file(true);
    const IniFile settings(file.path);
    loadFormulaWeights(settings); // the first read parses the file
    for (auto _ : state) {
        FormulaWeights w = loadFormulaWeights(settings);
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(BM_ReadFormulaKeys)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

// The first read after another program changed the file: it is read and parsed again.
void BM_FirstReadAfterChange(benchmark::State &state)
{
    const SettingsFile file(true);
    const IniFile settings(file.path);
    const QString section = QStringLiteral("player");
    const QString key = QStringLiteral("Forme");
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        {
            QFile f(file.path);
            if (!f.open(QIODevice::ReadWrite) || !f.resize(f.size() + (++n % 2 ? 1 : -1)))
                qFatal("cannot change %s", qPrintable(file.path));
        }
        state.ResumeTiming();
        benchmark::DoNotOptimize(settings.readInteger(section, key, 0));
    }
}
BENCHMARK(BM_FirstReadAfterChange)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One write (the settings dialog saves key by key) followed by the formula read.
void BM_WriteOneKeyThenRead(benchmark::State &state)
{
    const SettingsFile file(true);
    IniFile settings(file.path);
    int value = 0;
    for (auto _ : state) {
        settings.writeInteger(QStringLiteral("player"), QStringLiteral("ATAButeur"), 50 + (value++ % 10));
        FormulaWeights w = loadFormulaWeights(settings);
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(BM_WriteOneKeyThenRead)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One write alone: the whole file goes to a temporary file that replaces it.
void BM_WriteOneKey(benchmark::State &state)
{
    const SettingsFile file(true);
    IniFile settings(file.path);
    int value = 0;
    for (auto _ : state)
        settings.writeInteger(QStringLiteral("player"), QStringLiteral("ATAButeur"), 50 + (value++ % 10));
}
BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

