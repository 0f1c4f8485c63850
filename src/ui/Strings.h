#pragma once
// The string table: every text the user sees that carries a number.

#include <string_view>

namespace korva {

// Texts without a number of their own get one above the numbered range.
namespace str {
inline constexpr int kPilots = 130;
inline constexpr int kRace = 265;
inline constexpr int kClassNameBase = 499;  // + class index: "APRA 9", "APRA", "424", "426", "Q40"
inline constexpr int kNewerFile = 264;
inline constexpr int kTooManyPlanes = 215;
inline constexpr int kSaveReminder = 297;
inline constexpr int kOpenFailed = 70001;
inline constexpr int kSaveFailed = 70002;
// Registration: the form checks and the delete form.
inline constexpr int kEnterNoMoreThan = 70101;
inline constexpr int kEnterIntegerBetween = 70102;  // where one field's range is plain
inline constexpr int kFieldIntegerBetween = 70400;
// Field names of the swap form's range messages.
inline constexpr int kSwapBracketLabel = 70532;
inline constexpr int kSwapLaneLabel = 70533;
inline constexpr int kSwapRoundLabel = 70534;
inline constexpr int kNoFreePilotNumber = 70103;
inline constexpr int kDeletePilotTitle = 70104;
// Result entry: the form checks, then the form texts.
inline constexpr int kInvalidTime = 70120;
inline constexpr int kTooManyCuts = 70121;
inline constexpr int kInvalidMinutes = 70122;
inline constexpr int kInvalidSeconds = 70123;
inline constexpr int kInvalidHundredths = 70124;
inline constexpr int kTimeTooLow = 70125;
inline constexpr int kFinishRange = 70126;
inline constexpr int kMaxCutsWithFinish = 70127;
inline constexpr int kFinishDuplicate = 70128;
inline constexpr int kAllTimesZero = 70129;
inline constexpr int kSomeTimesZero = 70130;
inline constexpr int kFinishTimesDisagree = 70131;
inline constexpr int kEnterResultsTitle = 70132;
inline constexpr int kRoundHeat = 70133;
inline constexpr int kVerifyScoresTitle = 70134;
inline constexpr int kVerifyScoresText = 70135;
inline constexpr int kEnterScoresTitle = 70136;
inline constexpr int kEnterScoresText = 70137;
inline constexpr int kCuts = 70138;
inline constexpr int kInfringements = 70139;
// Standings, ties, fly-offs and Finish.
inline constexpr int kNoFlyOffsPoints = 70150;
inline constexpr int kNoFlyOffsScore = 70151;
inline constexpr int kTieQuestion = 70152;  // the whole question carries this number
inline constexpr int kTieInClass = 70153;
inline constexpr int kNoChannelConflicts = 70154;
inline constexpr int kOneChannelConflict = 70155;
inline constexpr int kChannelConflicts = 70156;
inline constexpr int kNoLaneConflicts = 70157;
inline constexpr int kOneLaneConflict = 70158;
inline constexpr int kLaneConflicts = 70159;
inline constexpr int kAddFlyOffPoints = 70160;
inline constexpr int kSeePilotsInvolved = 70161;
inline constexpr int kNoTiesPoints = 70162;
inline constexpr int kNoTiesScore = 70163;
inline constexpr int kFinishEarly = 70164;
inline constexpr int kFlyOffPilots = 70165;  // the message listing the tied pilots
inline constexpr int kFlyOffPilotLine = 70166;
inline constexpr int kFlyOffChannelConflict = 70167;
inline constexpr int kFlyOffLaneConflict = 70168;
inline constexpr int kAdjustmentsTitle = 70169;
inline constexpr int kFlyOffPointsLabel = 70170;
inline constexpr int kFlyOffTimeLabel = 70171;  // its cuts are labelled kCuts
// Heat matrix.
inline constexpr int kKeepLanesNoFirstRound = 70201;
inline constexpr int kNoWaiverWarning = 70202;
inline constexpr int kUnpaidWarning = 70203;
inline constexpr int kNoReadyPilots = 70204;
inline constexpr int kFieldTooLarge = 70205;
inline constexpr int kBeginRoundRange = 70206;
inline constexpr int kEndRoundRange = 70207;
inline constexpr int kKeepLanesChannelSplit = 70208;
inline constexpr int kRacePropertiesTitle = 193;
inline constexpr int kMustEnter = 61204;
inline constexpr int kSomeTitle = 61453;
inline constexpr int kFileExists = 61455;
inline constexpr int kAskSaveChanges = 70302;
inline constexpr int kNewRaceTitle = 70303;
inline constexpr int kAskDesktopShortcut = 70304;
inline constexpr int kMasterReadFailed = 70305;
inline constexpr int kRaceFileNameField = 70306;
inline constexpr int kVersion = 70307;
inline constexpr int kOpenRefusedHeats = 70308;
// Files and text the race file cannot hold.
inline constexpr int kUnencodable = 70310;
inline constexpr int kNotARaceFile = 70311;
inline constexpr int kNotAMasterFile = 70312;
inline constexpr int kOutOfMemory = 70313;
inline constexpr int kLoadDetail = 70314;
inline constexpr int kTrailingBytes = 70315;
// Labels of the text fields of the forms, for the message on a character the file cannot hold.
inline constexpr int kPilotIdLabel = 70320;
inline constexpr int kAssociationLabel = 70321;
inline constexpr int kMiddleInitialLabel = 70322;
inline constexpr int kAddressLabel = 70323;
inline constexpr int kCityLabel = 70324;
inline constexpr int kStateLabel = 70325;
inline constexpr int kPostalCodeLabel = 70326;
inline constexpr int kPhoneDayLabel = 70327;
inline constexpr int kPhoneNightLabel = 70328;
inline constexpr int kPhoneCellLabel = 70329;
inline constexpr int kEmailLabel = 70330;
inline constexpr int kPagerLabel = 70331;
inline constexpr int kCategoryLabel = 70332;
inline constexpr int kPlaneTypeLabel = 70333;
inline constexpr int kMainColorLabel = 70334;
inline constexpr int kEngineLabel = 70335;
inline constexpr int kRaceTitleLabel = 70336;
inline constexpr int kOwnClassLabel = 70337;
inline constexpr int kFontLabel = 70338;
inline constexpr int kTitleFontLabel = 70339;
// The report folder and its pictures.
inline constexpr int kCreateReportFolder = 70600;
inline constexpr int kCreateReportFolderPrompt = 70601;
inline constexpr int kCannotCreateReportFolder = 70602;
inline constexpr int kCannotWritePicture = 70603;
inline constexpr int kReportFolderDone = 70604;
inline constexpr int kFileInTheWay = 70605;
inline constexpr int kPictureNotDrawn = 70606;
// Report runs: the html folder, the print forms, the heat reports and their files.
inline constexpr int kMatrixLocked = 432;
inline constexpr int kNoHtmlFolder = 70700;
inline constexpr int kCardStock = 70701;
inline constexpr int kPlainPaper = 70702;
inline constexpr int kHtmlFileDisposition = 70703;
inline constexpr int kPrintNowKeepFiles = 70704;
inline constexpr int kKeepFilesManualPrint = 70705;
inline constexpr int kPrintReminder = 70706;
inline constexpr int kUsuallyPrintedOn = 70707;
inline constexpr int kCorrectPaper = 70708;
inline constexpr int kDontRemind = 70709;
inline constexpr int kPrintHeats = 70710;
inline constexpr int kBeginRound = 70711;
inline constexpr int kEndRound = 70712;
inline constexpr int kPrintDate = 70713;
inline constexpr int kIcons = 70714;
inline constexpr int kIdRoundStartCard = 70715;
inline constexpr int kWingFlags = 70716;
inline constexpr int kNoseLeft = 70717;
inline constexpr int kNoseUp = 70718;
inline constexpr int kDontDisplay = 70719;
inline constexpr int kPrintOnlyChanged = 70720;
inline constexpr int kOnlyChangedSincePrint = 70721;
inline constexpr int kHeatDetailsType = 70722;
inline constexpr int kHeatCardsChoice = 70723;
inline constexpr int kHeatResultsChoice = 70724;
inline constexpr int kHeatDetailsExplained = 70725;
inline constexpr int kDetailPilots = 70726;
inline constexpr int kAllPilots = 70727;
inline constexpr int kSinglePilotNumber = 70728;
inline constexpr int kSinglePilotZero = 70729;
inline constexpr int kSinglePilotNotMatrixed = 70730;
inline constexpr int kPilotPrint = 70731;
inline constexpr int kPilotPrintColumns = 70732;  // 7 entries: "Icons" .. "KORVA"
inline constexpr int kSpectatorPrograms = 70739;
inline constexpr int kFontSize = 70740;
inline constexpr int kFontSizes = 70741;  // 3 entries: "Small", "Medium", "Large"
inline constexpr int kRoundCount = 70744;
inline constexpr int kRunHeatCards = 70750;
inline constexpr int kRunChangedHeatCards = 70751;
inline constexpr int kRunHeatSheets = 70752;
inline constexpr int kRunHeatResults = 70753;
inline constexpr int kHeatCardsFile = 70760;
inline constexpr int kChangedHeatCardsFile = 70761;
inline constexpr int kBlankHeatCardsFile = 70762;
inline constexpr int kFaiBlankHeatCardsFile = 70763;
inline constexpr int kHeatSheetsFile = 70764;
inline constexpr int kHeatResultsFile = 70765;
inline constexpr int kPilotResultsFile = 70766;
inline constexpr int kReFlyCardFile = 70767;
// Pilot reports, the fly-off page and spectator programs.
inline constexpr int kPilotCardsFile = 70800;
inline constexpr int kChangedPilotCardsFile = 70801;
inline constexpr int kPilotListFile = 70802;
inline constexpr int kPilotDetailListFile = 70803;
inline constexpr int kFlyOffInfoFile = 70804;
inline constexpr int kSpectatorProgramsFile = 70805;
inline constexpr int kPilotInfoCards = 70806;
inline constexpr int kCardsWithoutMatrix = 70807;
inline constexpr int kCardsSomeWithoutMatrix = 70808;
inline constexpr int kSponsoredBy = 70809;
inline constexpr int kPilotListing = 70810;
inline constexpr int kOrderedBy = 70811;
inline constexpr int kBy = 70812;
inline constexpr int kWithinClass = 70813;
inline constexpr int kAfterRounds = 70814;
inline constexpr int kAfterRound = 70815;
inline constexpr int kFlyOffPilotInfo = 70816;
inline constexpr int kPrintFlyOffInfo = 70817;
inline constexpr int kUnknownClass = 70818;
inline constexpr int kHeats = 70819;
inline constexpr int kVariableLane = 70820;
inline constexpr int kPilotDetailList = 70821;
inline constexpr int kRoundCountLabel = 70822;
// Report pages: the page writer and the colour legends.
inline constexpr int kCannotOpenPage = 70900;
inline constexpr int kLegendFirst = 70901;
inline constexpr int kLegendSecond = 70902;
inline constexpr int kLegendThird = 70903;
inline constexpr int kLegendDiscard = 70904;
inline constexpr int kLegendCut = 70905;
inline constexpr int kLegendInfringe = 70906;
// The live results board.
inline constexpr int kResultsBoard = 71000;
inline constexpr int kResultsBoardPrompt = 71001;
inline constexpr int kBoardPortTaken = 71002;
inline constexpr int kBoardNoRace = 71003;
inline constexpr int kBoardTitle = 71004;
inline constexpr int kBoardPortLabel = 71005;
inline constexpr int kBoardStart = 71006;
inline constexpr int kBoardStop = 71007;
inline constexpr int kBoardOn = 71008;
inline constexpr int kBoardOff = 71009;
// The print queue's status line.
inline constexpr int kProcessingPage = 71040;
inline constexpr int kProcessingPages = 71041;
inline constexpr int kPrintQueueFile = 71042;
inline constexpr int kPrintQueueFiles = 71043;
// The page printer's state while it sends a page to the printer.
inline constexpr int kStartPrint = 71060;
inline constexpr int kPrintComplete = 71061;
// Why a page did not reach the printer, and what the director is told.
inline constexpr int kNoDefaultPrinter = 71062;
inline constexpr int kCannotPrintTo = 71063;
inline constexpr int kPrinterRefused = 71064;
inline constexpr int kPageNotPrinted = 71065;
// Quick print and the PDF files of its runs.
inline constexpr int kQuickPrintNoClass = 71080;
inline constexpr int kQuickPrintPdfFailed = 71081;
inline constexpr int kQuickPrintPdfsSaved = 71082;
inline constexpr int kHeatSheetsPdf = 71085;
inline constexpr int kHeatCardsPdf = 71086;
inline constexpr int kChangedHeatCardsPdf = 71087;
inline constexpr int kHeatResultsPdf = 71088;
inline constexpr int kPilotCardsPdf = 71089;
inline constexpr int kPilotListPdf = 71090;
inline constexpr int kSpectatorProgramsPdf = 71091;
}  // namespace str

// The text of a numbered entry; empty when the table has none.
std::string_view text(int id);

}  // namespace korva
