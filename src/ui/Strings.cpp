// The program's numbered texts: messages, titles and names shown to the user.
// Generated once from the message list and kept by hand since.

#include "ui/Strings.h"

#include <algorithm>

namespace korva {

namespace {

struct Entry {
    int id;
    const char* text;
};

// Sorted by number.
constexpr Entry kEntries[] = {
    {129, "Some but not all pilots have a power level (category greater than 0).\nOne such pilot: %s\nPower will not be used.\nDo you want to continue with matrix?"},
    {130, "Pilots"},
    {139, "You have selected matrix type Pilots change Lanes.\nYou can NOT use colored wing flags with this option.\nAre you sure you want this matrix type ?"},
    {144, "You must select a class\n(APRA,424,...)"},
    {145, "Pilot is NOT active "},
    {148, "You must select at least one class (APRA, 424, 426, Q40, FAI or YourName)"},
    {151, "Channel must be between %d and %d (50MHz),\nor between %d and %d (72MHZ Aircraft),\nor between %d and %d (SS Psuedo Channels)"},
    {152, "Are you sure the pilot is channel %d ?"},
    {155, "The pilot you entered, Pilot ID %s\n has different data than on file.\n\nDo you wish to change the pilot data on file ?"},
    {156, "PIlot ID %s: %s is already registered in the %s class. "},
    {157, "Pilot ID %s: %s is also registered in the %s class.\nDo you wish to register in the %s class ?  "},
    {158, "You are adding a plane for pilot number %d,\nThere is no pilot registered yet with this number.\nYou must register the pilots first.  "},
    {159, "Register Plane"},
    {160, "Register Pilot"},
    {161, "Modify Pilot"},
    {162, "Modify Plane"},
    {164, "Pilot number %d already has a primary plane assigned."},
    {165, "You have changed data for pilot ID %s.\n\nDo you wish to change the pilot data on file ?"},
    {174, "Cannot matrix %s class.\nMore than half the pilots are on channel %d."},
    {175, "You cannot create matrix without registering planes for all pilots. "},
    {180, "There are at least one radio frequency conflicts, the first one found is in the %s Class, Round %d.\nYou cannot continue until this is resolved."},
    {188, "NOTE: You may wish to make make pilot inactive instead.\n\nInactive:  Keeps pilot in listings but out of any Re-Matrix\n\nDeleted:  As if the pilot was never registered.\n\nIf you wish to make the pilot inactive, press No and update the pilot.\n\nDo wish to continue ?"},
    {189, "You are deleting pilot %s %s %s\n\nPilot number %d registered in the %s class.\n\nAre you sure you want to do this ?"},
    {193, "Race Properties"},
    {194, "You cannot buddy with %s who is already a buddy of %s"},
    {195, "You cannot buddy with %s who is flying in a different class - %s"},
    {196, "There is a bug in this program detected in %s - problem %s"},
    {197, "%s %d"},
    {209, "The pilot you are adding,\n is in a class already matrixed.\nYou must re-matrix %s to include the new pilot.   "},
    {213, "Active pilot %s %s\nin %s class, does not have a plane registered.\nRegister a plane or make %s inactive."},
    {214, "Active pilot %s %s\nin %s class, has a plane that is not safety checked.\nSafety check the plane or make %s inactive."},
    {215, "A pilot cannot fly more than %d different planes in one class."},
    {231, "You are changing pilots ID from %s to %s.\nIs this Correct ?"},
    {233, "You have changed to a pilot number,\nwhich is not yet registered. "},
    {236, "You have entered a pilot which is a duplicate,\n of another pilot but with a different ID. \nID was %s, ID proposed %s.\nDo you wish to change the ID for %s %s ?  "},
    {249, "Pilot channel of %d would exceed the limit set at %d.\nMust increase the limit or change channel. "},
    {250, "Trying to matrix round %d which has already started.\nIn order to matrix this round, it must be reset.\n\nMatrix cancelled."},
    {251, "You are re-matrixing %s class and one or more heats have already completed.\nDepending on changes to pilots, this matrix change may result in pilots being in different lanes.\nDo you wish to continue ? "},
    {252, "You cannot be a buddy of yourself."},
    {256, "Variable"},
    {264, "The %s File you are opening was created by a newer version program than the one you are using.\n\nYou must upgrade your program to use this %s File.\n\nThis program will now be terminated to prevent file damage.\n\nAdios......  "},
    {265, "Race"},
    {270, "The change of pilot %s to channel %s in class %s requires tasks to be performed for class %s: "},
    {271, "\n  - Re-Matrix all non-started rounds"},
    {272, "\n  - Make sure %s does not fly in any round partially complete"},
    {273, "\n  - Re-Print Heat Cards for all non-started rounds"},
    {274, "\n  - Re-Print Heat Sheets for all non-started rounds"},
    {275, "\n  - Re-Print Pilot Info Cards"},
    {276, "\n\nAre you sure you want to make this channel change ?"},
    {293, "Pilot number %d already has a backup plane assigned."},
    {294, "You changed the pilots racing class and racing has already started.\n\nAre you sure you want to do this ?"},
    {295, "You changed the pilots racing class and a matrix has already been created.\n\nAre you sure you want to do this ?"},
    {297, "You have made %d changes to the race file.\n\nWould you like to save your changes now ?"},
    {332, "LG"},
    {333, "LR"},
    {334, "HG"},
    {335, "HR"},
    {336, "Colored wing flag lanes must all be different numbers."},
    {373, "All the pilots will have to change their wing flags every %d rounds.\n\nAre you sure ?  "},
    {374, "All the pilots will have to change their wing flags every round.\n\nAre you sure ?  "},
    {395, "HB"},
    {396, "The race course will have to change the lane colors every %d rounds.\n\nAre you sure ?  "},
    {397, "The race course will have to change the lane colors every round.\n\nAre you sure ?  "},
    {398, "Low Red"},
    {399, "High Blue"},
    {400, "High Red"},
    {404, "High Green"},
    {405, "Low Green"},
    {406, "You have changed the matrix rotate frequency from %d to %d.\nThis requires generating the matrix again.\n\nDo you wish to do this ? "},
    {414, "Pilot information has changed for %s class and one or more heats have already completed.\nDo you wish to re-matrix with new lanes (Y), or keep pilots in their present lanes (N) ?"},
    {415, "%s class is already matrixed and no pilot information has changed.\nDo you wish to re-matrix with new lanes (Y), or keep pilots in their present lanes (N) ?"},
    {416, "Unable to make a minimum length matrix. Check team sizes and adjust. Class: %s"},
    {419, "Pilot information has changed for %s class since it was matrixed.\nDo you wish to re-matrix with new lanes (Y), or keep pilots in their present lanes (N) ?"},
    {430, "Attempting to keep pilots in lanes in bracket %s, but there are %d ready pilots and %d pilots were in matrix. Cannot resolve, try again and select to rematrix."},
    {431, "Attempted to spread byes, but they meet in round %d, and may meet again later. You can allow byes to meet, but this is NOT RECOMMENDED. \n\n Do you want to let byes meet (Y), or put them all in same lane (N)?"},
    {433, "The matrix is locked for class %s to prevent destroying matrix that is already printed. \nTo unlock, from Pilot View, go to File/Properties.\nNOTICE: Unlocking and Re-Matrix will cause irrecoverable loss of matrix!"},
    {499, "APRA 9"},
    {500, "APRA"},
    {501, "424"},
    {502, "426"},
    {503, "Q40"},
    {61204, "You must enter\n%s"},
    {61206, "First Name"},
    {61207, "Last Name"},
    {61453, "Some Title"},
    {61455, "File already exists,\nchoose a different race file name "},
    // Texts without a number of their own.
    {70001, "Cannot open the race file\n%s\n\n%s"},
    {70002, "Cannot save the race file\n%s\n\n%s\n\nThe file on disk was left as it was."},
    {70101, "Enter no more than %d characters."},
    {70102, "Please enter an integer between %d and %d."},
    {70103, "Every pilot number from 1 to %d is in use.\nNo further pilot can be registered."},
    {70104, "Delete Pilot"},
    {70201, "Keep same lane requested for %s bracket, but not possible. No first round found."},
    {70202, "Some pilots of the classes to matrix have not signed the waiver.\nOne such pilot: %s\n\nDo you want to include them in the matrix (Y), or leave them out (N) ?"},
    {70203, "Some pilots of the classes to matrix have not paid.\nOne such pilot: %s\n\nDo you want to include them in the matrix (Y), or leave them out (N) ?"},
    {70204, "Cannot matrix %s class.\nThere are no ready pilots in this class."},
    {70205, "Cannot matrix %s class.\nIt would need %d heats per round, but a matrix holds at most %d.\nSplit the class or make some pilots inactive."},
    {70206, "Begin Round for class %s must be between %d and %d."},
    {70207, "End Round must be between %d and %d."},
    {70208, "Attempting to keep pilots in lanes in bracket %s, but pilots on channel %d are in different lanes. Cannot resolve, try again and select to rematrix."},
    {70302, "Save changes to %s?"},
    {70303, "New Race"},
    {70304, "Would you like a shortcut to this program on your desktop"},
    {70305, "Cannot read the pilot master file\n%s\n\n%s\n\nThe file is left as it was; pilots entered now are kept in the race file only."},
    {70306, "Race File Name"},
    {70307, "Version 1.2.0"},
    {70308, "Close the heat window before opening another race."},
    {70900, "Can't open file %s, error = %s\n"},
    {70901, "First"},
    {70902, "Second"},
    {70903, "Third"},
    {70904, "Discard"},
    {70905, "Cut"},
    {70906, "Infringe"},
};

}  // namespace

std::string_view text(int id) {
    const auto* end = std::end(kEntries);
    const auto* it = std::lower_bound(std::begin(kEntries), end, id,
                                      [](const Entry& e, int key) { return e.id < key; });
    if (it == end || it->id != id) return {};
    return it->text;
}

}  // namespace korva
