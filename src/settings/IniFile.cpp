#include "settings/IniFile.h"
IniFile::IniFile(const QString &path) : m_path(path) {}
