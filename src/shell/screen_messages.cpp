#include "shell/screen_messages.h"

#include "data/customer_data_source.h"

#include <filesystem>

namespace dorvik {

std::string fileNameOf(const std::string& path)
{
    return std::filesystem::path(path).filename().string();
}

std::string unsavedChangesQuestion(const std::string& path)
{
    return "Promenite vo " + fileNameOf(path) + " ne se snimeni. Dali da se snimat?";
}

std::string newReportOnCloseQuestion(const std::string& path)
{
    return "Novata prijava vo " + fileNameOf(path) + " ne e snimena. Dali da se snimi?";
}

std::string savedStatus(const std::string& path, const SaveOutcome& outcome)
{
    return "Snimeni se " + std::to_string(outcome.records) + " prijavi vo " + fileNameOf(path) + ".";
}

std::string backupNotice(const std::string& path, const SaveOutcome& outcome)
{
    if (outcome.backupPath.empty())
        return {};
    return "Linii od " + fileNameOf(path)
           + " sto ne se prijavi od 147 znaci ne se snimeni. Originalot e zacuvan vo "
           + fileNameOf(outcome.backupPath) + ".";
}

} // namespace dorvik
