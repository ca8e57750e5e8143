#pragma once
// Ids of the user-interface string table (res/strings.rc). Every text the
// user sees lives there, so a translation replaces the table as a whole.

namespace lang {

enum TextId : unsigned {
    // Main window
    MainCaption = 65088,
    CurrentTimeText = 65089,
    CurrentSongText = 65090,
    PlaylistPosText = 65091,
    AvCPULoadText = 65092,
    OverTimeText = 65093,
    CurCPULoadText = 65094,
    AvCPULoadLevText = 65095,
    ActText = 65096,
    SkinText = 65097,
    DateText = 65098,
    TimeText = 65099,
    // Network-quiet group; its header caption follows the action (ActionCaptions)
    NetLevelText = 65225,
    NetAdapterText = 65226,
    NetAllAdapters = 65227, // the adapter list's first item
    NetAverageText = 65228,
    NetRateUnit = 65229,
    PlDaysText = 65100,
    PlTimeText = 65101,
    TimeCountdown = 65102,
    ActionTurnOff = 65103, // the five action list items, in action order
    ButtonSync = 65108,
    ButtonAbout = 65109,
    ButtonExecute = 65110,
    ButtonClose = 65111,
    SkinListEmpty = 65112,

    // Per-action captions; each column holds five consecutive-by-table ids
    // listed in app/ActionCaptions.cpp.

    // About box
    AboutCaption = 65121,
    AboutProgramName = 65122,
    AboutVersion = 65123,
    AboutAuthor = 65124,
    AboutAuthorName = 65125,
    AboutThanks = 65126,
    AboutThanksFirst = 65127,
    AboutThanksText = 65128,
    AboutWebAddress = 65129,
    AboutEMailAddress = 65130,

    // Message dialog
    MessageCaption = 65131,

    // Confirmation dialog
    ConfirmCaption = 65132,
    ConfirmCancel = 65133,
    ConfirmSeconds = 65134,
    ConfirmAttention = 65135,
    ConfirmTurnOff = 65148,
    ConfirmReboot = 65149,
    ConfirmLogOff = 65150,
    ConfirmStandby = 65151,
    ConfirmHibernate = 65120,

    // Media player monitor
    WinampNotStarted = 65152,
    WinampTooOld = 65153,
    WinampNotPlaying = 65154,
    WinampDisappeared = 65179,
    WinampOf = 65180,
    WinampSecOf = 65181,
    WinampSec = 65182,
    WinampNoAnswer = 65200, // the player did not answer in time

    // Command-line options, answered to -?, /? and -help
    OptionsTitle = 65201,
    OptionsAction = 65202,
    OptionsWinamp = 65203,
    OptionsCpu = 65204,
    OptionsCountdown = 65205,
    OptionsTimer = 65206,
    OptionsHelp = 65207,
    OptionsProcess = 65240,

    // Program-closes trigger; its per-action captions are listed in app/ActionCaptions.cpp.
    ProgramNotRunning = 65246,  // %s: the executable's name
    ProgramCannotWatch = 65247, // %s: the executable's name
    ProgramLost = 65248,        // %s: the executable's name
    ProgramLabel = 65249,
    ProgramWaitingOne = 65250,
    ProgramWaitingMany = 65251, // %d: how many processes
    ProgramNotWaiting = 65252,
    ProgramEveryProcess = 65253, // %s: the executable's name
    ProgramNoneChosen = 65254,
    TriggerProgramLine = 65255, // %s: the executable's name
    OptionsExamples = 65306,
    OptionsNet = 65230,

    LanguageCode = 65170,

    // Clock synchronisation
    SyncAttempt = 65171,
    SyncOfTen = 65172,
    SyncClockWas = 65173,
    SyncSecondsFast = 65174,
    SyncClockRight = 65175,
    SyncSecondsSlow = 65176,
    SyncClockMatch = 65177,
    SyncFailed = 65178,
    SyncClockNotSet = 65183,
    // Why it failed, below "Failed to adjust..."
    SyncTimeServer = 65300,
    SyncRefused = 65301,
    SyncTimedOut = 65302,
    SyncNameNotFound = 65303,
    SyncClosedWithoutData = 65304,
    SyncUnreachable = 65305,

    // The notification-area icon's menu, tip and balloon, and "Later"
    TrayRestore = 65260,
    TrayDisarmAll = 65261,
    TrayExit = 65262,
    TrayActionNow = 65263, // five, in action-index order: "Turn off now" ...
    TrayAction = 65268,    // five, in action-index order: "Turn off" ...
    TrayExitArmed = 65273,
    TrayBalloonAt = 65274, // between the action and the time
    ConfirmLater = 65275,
    SnoozeLine = 65276,  // followed by the time left, h:mm:ss
    SnoozeLabel = 65277, // after the snooze's end in the timer's label

    // Editing the timer never fires it
    TimerTargetPassed = 65310,

    // What each armed trigger waits for, one line each
    TriggerTimerLine = 65340, // followed by the time left, h:mm:ss
    TriggerCpuLine = 65341,   // followed by the load level and " %"
    TriggerWinampLine = 65342,
    TriggerNetLine = 65231, // followed by the level and its unit

    // What assistive technology says a control's default action does
    ActionPress = 65280,
    ActionCheck = 65281,
    ActionUncheck = 65282,
};

} // namespace lang
