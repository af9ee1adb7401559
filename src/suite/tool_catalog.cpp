#include "suite/tool_catalog.h"

#include <array>

namespace tw {
namespace {

// The frames in the order of the Tool enumeration.
const std::array<ToolFrame, kToolCount> kFrames = {{
    {Tool::RegistryCleaner, "TfrmRegistry", 799, 579,
     {{"Information", 1}, {"Clean Registry", 2}, {"Backups", 3}, {"Main Menu", 0}},
     {"Registry is the central database of Windows used to store settings and other important information for applications and the operating system itself. As you work on your computer, install and uninstall applications, amount of data stored in registry grows. After a while, obsolete data accumalates and registry becomes cluttered. Obsolete registry entries refer to invalid locations on your computer and waste your system resources.",
      "Registry Cleaner tool of Quorvex Tidewell successfully locates invalid registry entries. You can significantly enhance your computer’s performance by cleaning obsolete and invalid registry information."}},
    {Tool::DriveCleaner, "TfrmDrive", 799, 579,
     {{"Information", 1}, {"Clean Drives", 2}, {"Options", 3}, {"Main Menu", 0}},
     {"While running applications, some files are accumulated on your computer. Some of these files are temporary files to be deleted upon terminating the applications. However they can still persist on your disk due to a failure in termination, a bug in the program or system crash.",
      "If the junk files created the applications are not cleaned regularly, they will start wasting your disk space and clutter your computer. Cleaning junk files will improve your computer’s performance and also you will gain valuable disk space."}},
    {Tool::StartupManager, "TfrmStartup", 799, 579,
     {{"Information", 1}, {"Startup Applications", 2}, {"Backups", 3}, {"Main Menu", 0}},
     {"You might have realized some programs run automatically when Windows starts. Some of these programs are quite useful like anti-virus programs but many others are not that important and just consume your system resources. Startup Manager allows you to see automatically started programs and manage them easily.",
      "But that's not all. Some malicious software including viruses, spayware can run automatically on Windows startup. They can transfer your personal information over internet, monitor your web browsing acitivity without informing you. Moreover some programs display pop-up advertisements regularly when you open a new browser or surf on internet. Some apllications can even modify your system files causing your system function improperly. These kind of programs are major security threats for your system and should be cleaned.",
      "Nothing you remove or edit here is lost: Startup Manager saves each entry before it changes it, and the Backups page puts it back where it was."}},
    {Tool::InternetTuner, "TfrmInternet", 751, 547,
     {{"Information", 1}, {"Optimization Wizard", 2}, {"Advanced", 3}, {"Backups", 4}, {"Main Menu", 0}},
     {"By the help of Internet Tuner tool, you will significantly improve your internet connection performance. Internet Tuner achieves this by optimizing Windows network configurations. Optimized settings can change depending on your connections type. Windows default configurations are set for avarage conditions.",
      "We included Optimization Wizard for tuning your settings automatically depending on your connection type. Optimization Wizard will apply the optimum settings for your connection. These settings are tested on various systems and connection types including dial-up modems, LANs, cable modems, DSL connections, GPRS and Wi-Fi connections. Advanced module is also included if you want to tune your settings manually."}},
    {Tool::HistoryCleaner, "TfrmHistory", 751, 547,
     {{"Information", 1}, {"History Cleaner", 2}, {"Main Menu", 0}},
     {"When you visit any website on internet, the contents of the site are cached on your local hard disk. The purpose caching is to speed up the loading of website if you visit this site again. Because the pages and images are stored, browser will load them from your hard drive rather than downloading from internet.",
      "It is nice that these temporary files speed up internet, however anyone who uses your computer can get information about your online activity. There might not be any problem if you are the only person using your computer but if you sell your computer or take it to a service center you might want to clean your Internet History.",
      "You can also free up some disk space by cleaning internet history. Sometimes history files take up significant amount of space on your drive. By cleaning history files, you can easily gain this space."}},
    {Tool::PrivacyProtector, "TfrmPrivacy", 799, 579,
     {{"Information", 1}, {"Privacy Protector", 2}, {"Main Menu", 0}},
     {"Privacy Protecter tool enables you to clean your clipboard, Recycle Bin, most recently used lists of some applications like Wordpad, MS Paint, Media Player, Windows Run history, Find history,..."}},
    {Tool::FileShredder, "TfrmShredder", 799, 579,
     {{"Information", 1}, {"File Shredder", 2}, {"Options", 3}, {"Main Menu", 0}},
     {"When you send a file to Recycle Bin in Windows, it is easy to recover this file. You can delete the file from Recycle Bin to remove it completely. Actually, when a file is deleted (even from Recycle Bin) it still remains on your hard disk. Deleted files are just marked as deleted, indicating that the space occupied by file is not used anymore and can be used by the operating system. There are some third party tools recovering deleted files by using this infomation.",
      "There are some methods available to prevent recovery of your sensitive data. These methods mainly overwrite your sensitive files with predefined patterns over several times. Some of the mostly known secure deletion methods are security standard of US Department of Defense, Peter Gutman Method and Bruce Schneier Method."}},
    {Tool::FileSplitter, "TfrmTweak", 799, 579,
     {{"Information", 1}, {"Split File", 2}, {"Join Files", 4}, {"Main Menu", 0}},
     {"File Splitter utility allows you to split files into smaller pieces. This tool is useful to split large files and store them on floppy disks, CDs,... This tool is also handy for transferring files over internet because some servers reject large files."}},
}};

}  // namespace

const ToolFrame& FrameOf(Tool tool) { return kFrames[static_cast<std::size_t>(tool)]; }

std::string IntroText(Tool tool) {
    std::string text;
    for (const auto paragraph : FrameOf(tool).introParagraphs) {
        if (!text.empty()) text += "\r\n\r\n";
        text += "     ";
        text += paragraph;
    }
    return text;
}

std::string IntroTitle(Tool tool) { return std::string(ToolName(tool)) + " - Information"; }

}  // namespace tw
