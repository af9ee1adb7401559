#include <cstdio>

#include "services/backup_store.h"

namespace tw {

std::string BackupFileName(const System& system) {
    const LocalTime now = system.Now();
    const int hour12 = now.hour % 12 == 0 ? 12 : now.hour % 12;
    const std::string designator = now.hour < 12 ? system.AmDesignator() : system.PmDesignator();
    char day[8], year[8], time[16];
    std::snprintf(day, sizeof day, "%02d", now.day);
    std::snprintf(year, sizeof year, "%04d", now.year);
    std::snprintf(time, sizeof time, "%02d.%02d.%02d", hour12, now.minute, now.second);
    return std::string(day) + "-" + system.MonthName(now.month) + "-" + year + " - " + time + " " + designator +
           ".reg";
}

}  // namespace tw
