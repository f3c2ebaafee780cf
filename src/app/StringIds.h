#pragma once

// The string-table entries the main window and the help window use.
constexpr unsigned kStrRuntimeReady = 1;
constexpr unsigned kStrRuntimeMissing = 2;
constexpr unsigned kStrRuntimeOlder = 3;
constexpr unsigned kStrWindowTitle = 4;
constexpr unsigned kStrHigh = 5;
constexpr unsigned kStrMedium = 6;
constexpr unsigned kStrLow = 7;
constexpr unsigned kStrQualityLabel = 8;
constexpr unsigned kStrRecommendedLabel = 9;
constexpr unsigned kStrRuntimeLabel = 10;
constexpr unsigned kStrOk = 11;
constexpr unsigned kStrCancel = 12;
constexpr unsigned kStrHelp = 13;
constexpr unsigned kStrWelcome = 14;
constexpr unsigned kStrDescriptionHigh = 15;
constexpr unsigned kStrDescriptionMedium = 16;
constexpr unsigned kStrDescriptionLow = 17;
constexpr unsigned kStrPlayer1 = 18;
constexpr unsigned kStrConfigure = 22;
constexpr unsigned kStrStartGame = 23;
constexpr unsigned kStrGameErrorCaption = 24;
constexpr unsigned kStrHelpTitle = 61;
constexpr unsigned kStrHelpText = 62;
constexpr unsigned kStrDescriptionUnknown = 63;
constexpr unsigned kStrHelpTextMore = 64;
constexpr unsigned kStrResetAll = 65;
constexpr unsigned kStrPlayerLabelFormat = 199;
constexpr unsigned kStrResetQuestion = 200;
constexpr unsigned kStrResetCaption = 201;
