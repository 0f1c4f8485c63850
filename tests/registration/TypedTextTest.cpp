// Text typed into the forms reaches the race file whole, or is refused with the field and
// the character named, before anything is stored.

#include "RegistrationFixture.h"
#include "race/TextCodec.h"
#include "ui/Strings.h"

namespace korva::test {
namespace {

using TypedText = RegistrationTest;

TEST_F(TypedText, ACharacterTheFileCannotHoldIsRefusedWithItsFieldNamed) {
    ui.expect(str::kUnencodable);
    forms
        .pilot([](PilotForm& f) {
            f.pilotId = "P1";
            f.firstName = "Anna";
            f.lastName =
                "\xC5\x81\xC3\xB3"
                "d\xC5\xBA";         // Łódź
            f.city = "K\xC3\xB6ln";  // Köln: Western European
            f.classIndex = 2;
            f.channel = 30;
        })
        .cancel();
    EXPECT_FALSE(registerPilot(doc, forms));
    EXPECT_TRUE(doc.pilots.empty());
    EXPECT_TRUE(services.master.pilots.empty());
    const Message& refused = ui.asked.back();
    EXPECT_TRUE(refused.utf8);
    EXPECT_EQ(refused.text,
              "The field \"Last Name\" holds the character \"\xC5\x81\" (U+0141), which a race "
              "file cannot store.\n\nPlease write it another way, for example without its "
              "accent.");
    ASSERT_EQ(forms.pilotSetups.size(), 2u);
    EXPECT_EQ(forms.pilotSetups[1].focus, pilotfield::kLastName);
    // The form shows again what was typed, not a "?" in place of the letter.
    EXPECT_EQ(forms.pilotsShown[1].lastName,
              "\xC5\x81\xC3\xB3"
              "d\xC5\xBA");
}

TEST_F(TypedText, WesternLettersAreStoredAsRaceTextAndShownAsTyped) {
    forms.pilot([](PilotForm& f) {
        f.pilotId = "P1";
        f.firstName = "J\xC3\xBCrgen";        // Jürgen
        f.lastName = "M\xC3\xBCller";         // Müller
        f.city = "K\xC3\xB6ln \xE2\x82\xAC";  // the euro sign has a byte of its own
        f.classIndex = 2;
        f.channel = 30;
    });
    ASSERT_TRUE(registerPilot(doc, forms));
    const KORVAPilot& p = *doc.pilots.back();
    EXPECT_EQ(p.lastName, "M\xFCller");
    EXPECT_EQ(p.city, "K\xF6ln \x80");
    EXPECT_EQ(pilotFormFrom(p).city, "K\xC3\xB6ln \xE2\x82\xAC");

    // Every byte a file may hold comes back unchanged through a form left as it was.
    KORVAPilot all = p;
    for (int b = 1; b < 256; ++b) all.address += static_cast<char>(b);
    PilotForm form = pilotFormFrom(all);
    EXPECT_FALSE(firstUnencodable(form.address));
    KORVAPilot back = all;
    applyPilotForm(form, back, clock.now());
    EXPECT_EQ(back.address, all.address);
}

TEST_F(TypedText, ThePlaneFormRefusesToo) {
    add("A1", 2, 30);
    ui.expect(str::kUnencodable);
    forms
        .plane([](PlaneForm& f) {
            f.pilotNumber = 1;
            f.backup = true;
            f.engine = "\xE2\x9C\x88";  // ✈
        })
        .cancel();
    EXPECT_FALSE(registerPlane(doc, forms, 1));
    EXPECT_EQ(doc.planes.size(), 1u);
    EXPECT_NE(ui.asked.back().text.find("\"Engine\""), std::string::npos);
    EXPECT_EQ(forms.planeSetups.back().focus, planefield::kEngine);
}

}  // namespace
}  // namespace korva::test
