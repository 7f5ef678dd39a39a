#include "shell/MenuCatalog.h"

#include "common/AccessList.h"

namespace kelvra {

QList<MenuEntry> mainMenus()
{
    return {{QStringLiteral("Admin1"), QStringLiteral("&Administration")},
            {QStringLiteral("UserDef1"), QStringLiteral("&Settings")},
            {QStringLiteral("Observations1"), QStringLiteral("&Observations/Reports")}};
}

QList<MenuItemEntry> mainMenuItems()
{
    const QString admin = QStringLiteral("Admin1");
    const QString settings = QStringLiteral("UserDef1");
    const QString reports = QStringLiteral("Observations1");
    return {
        {admin, "BuildInformation1", "&Build Information", "Build_menu_ok", {}},
        {admin, "AmbrixManual1", "Veltrin SP® &Manual", "open_manual", {}},
        {admin, "CompanyRegistration1", "&Company Registration", "Registration1Click",
         AccessName::CompanyRegistration},
        {admin, "ChangeYourPassword1", "C&hange Your Password", "ChangeYourPassword1Click", {}},
        {admin, "ServerDatabaseAdmin1", "Server Database Admin", "ServerDatabaseAdmin1Click",
         AccessName::ServerDatabaseAdmin},
        {admin, "AmbrixEXIT", "&Exit Veltrin® SP", "AmbrixEXITClick", {}},
        {settings, "Sensors1", "&Sensor Setup", "Sensors1Click", AccessName::SensorSetup},
        {settings, "users1", "&User Accounts", "users1Click", AccessName::UserAccounts},
        {settings, "AlarmCallList1", "&Alarm Call List", "AlarmCallList1Click",
         AccessName::AlarmCallList},
        {settings, "ServerConfig1", "Server Config", "Server_Setup", AccessName::ServerConfig},
        {reports, "CheckALLSensor1", "&Sensor Readings", "CheckALLSensor1Click",
         AccessName::SensorReadings},
        {reports, "DailySignout1", "&Daily Signout", "DailySignout1Click",
         AccessName::DailySignOut},
        {reports, "Real_Time_Table", "&Hourly Log Report", "RealTimeClick", AccessName::HourlyLogs},
        {reports, "HourlyGraphs1", "H&ourly Graphs", "HourlyGraphs1Click",
         AccessName::HourlyGraphs},
        {reports, "DataLogs1", "&Monthly Log Report", "DataLogs1Click", AccessName::MonthlyLogs},
        {reports, "MonthlyGraphs1", "Monthly &Graphs", "MonthlyGraphs1Click",
         AccessName::MonthlyGraphs},
        {reports, "CALL_LOG", "&Exception Report", "CallLogClick", AccessName::ExceptionReport},
    };
}

} // namespace kelvra
