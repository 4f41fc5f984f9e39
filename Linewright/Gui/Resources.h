#pragma once

namespace Linewright::Gui {

// The application's string table and the ids of the form's controls.
namespace Resources {

struct String {
    int id;
    const char* text;
};

inline constexpr const char* CompanyKey = "Tessel";
// Replays of every family first, then anything.
inline constexpr const char* OpenFilter = "Replays (*.rpy *.rpl);;All Files (*)";
inline constexpr const char* TrackFilter = "Tracks (*.trk *.ptf);;All Files (*)";
inline constexpr const char* ChooseTrack = "Choose track\u2026";
inline constexpr String AppTitle{57344, "Linewright"};
inline constexpr String OverwriteQuestion{61215, "File already exists - overwrite"};
inline constexpr String LpFileCreated{61216, "LP file created."};
inline constexpr String UnknownException{61217, "An unknown exception occurred."};
inline constexpr String ChooseType{61219, "Choose an LP type to convert to."};
inline constexpr const char* OpenFolder = "Open Folder";
inline constexpr String IntegerRange{61713, "Please enter an integer between %1 and %2."};

enum ControlId {
    LapList = 1000,
    TypeList = 1001,
    ConvertButton = 1002,
    LpRecordsEdit = 1003,
    TrackEdit = 1004,
};

}  // namespace Resources

}  // namespace Linewright::Gui
