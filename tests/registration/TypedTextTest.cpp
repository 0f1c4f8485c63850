// Text typed into the forms reaches the race file whole, or is refused with the field and
// the character named, before anything is stored.

#include "RegistrationFixture.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

using TypedText = RegistrationTest;

TEST_F(TypedText, ACharacterTheFileCannotHoldIsRefusedWithItsFieldNamed) {
    const std::string lodz =
        "\xC5\x81\xC3\xB3"
        "d\xC5\xBA";  // Łódź
    ui.expect(str::kUnencodable);
    forms
        .pilot([&](PilotForm& f) {
            f.firstName = "Anna";
            f.lastName = lodz;
            f.classIndex = 2;
            f.channel = 30;
        })
        .cancel();
    EXPECT_FALSE(registerPilot(doc, forms));
    EXPECT_TRUE(doc.pilots.empty());
    EXPECT_EQ(ui.asked.back().text,
              "The field \"Last Name\" holds the character \"\xC5\x81\" (U+0141), which a race "
              "file cannot store.\n\nPlease write it another way, for example without its "
              "accent.");
    EXPECT_EQ(forms.pilotSetups.at(1).focus, pilotfield::kLastName);
    EXPECT_EQ(forms.pilotsShown.at(1).lastName, lodz);  // as typed, no "?" in its place
}

TEST_F(TypedText, WesternLettersBecomeRaceTextAndEveryStoredByteComesBack) {
    forms.pilot([](PilotForm& f) {
        f.firstName = "J\xC3\xBCrgen";
        f.lastName = "M\xC3\xBCller \xE2\x82\xAC";  // Müller €
        f.classIndex = 2;
        f.channel = 30;
    });
    ASSERT_TRUE(registerPilot(doc, forms));
    KORVAPilot p = *doc.pilots.back();
    EXPECT_EQ(p.lastName, "M\xFCller \x80");
    for (int b = 1; b < 256; ++b) p.address += static_cast<char>(b);
    PilotForm form = pilotFormFrom(p);
    EXPECT_TRUE(checkPilotForm(form, pilotFormSetup(doc, ""), ui).accepted);
    KORVAPilot back = p;
    applyPilotForm(form, back, clock.now());
    EXPECT_EQ(back.address, p.address);
}

}  // namespace
}  // namespace korva::test
