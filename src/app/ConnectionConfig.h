#pragma once

#include "data/Database.h"

// Which database the programs connect to. The SQLite file js.db of the data folder unless
// js.ini's section "Databaselogin" says "Backend=postgres"; then its server name, port,
// catalog and the enciphered user name and password are used.
namespace ConnectionConfig {
ConnectionSettings load();
// Writes the server settings (user name and password enciphered) and the backend choice.
bool save(const ConnectionSettings& settings);
// The key the js.ini secrets are enciphered with.
QString secretKey();
} // namespace ConnectionConfig
