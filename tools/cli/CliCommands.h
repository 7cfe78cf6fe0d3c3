#pragma once

#include <QStringList>

namespace korvex::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
// A restore went through but refused some records.
constexpr int kExitRefused = 3;

struct Command {
    const char* name;
    const char* arguments;
    const char* summary;
    int (*run)(const QStringList& args);
};

// Prints `message` on stderr and returns kExitFailure.
int fail(const QString& message);
// Prints `message` on stderr as a warning: the command goes on.
void warn(const QString& message);
// Prints the usage line of one command on stderr and returns kExitUsage.
int usageOf(const Command& command);

// The commands, each defined in its own file.
extern const Command kCipherCommand;
extern const Command kSettingsCommand;
extern const Command kInfoCommand;
extern const Command kRenderCommand;
extern const Command kBackupCommand;
extern const Command kRestoreCommand;
extern const Command kHtmlCommand;
extern const Command kZipCommand;
extern const Command kPrintCommand;
extern const Command kGifCommand;
extern const Command kShareCommand;
extern const Command kWhereCommand;
extern const Command kSearchCommand;
extern const Command kSummaryCommand;

// korvex-cli info for text practises, plans, cards, diaries and backup files.
bool isRecordsInfoExtension(const QString& extension);
int runRecordsInfo(const QString& path);

} // namespace korvex::cli
