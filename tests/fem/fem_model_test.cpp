// Reading the frame model input text and its checks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fem_fixture.h"

namespace kirvos {
namespace {

using test::Messages;
using test::ModelText;

// A valid one-span model that the cases below spoil one way each.
ModelText ValidModel() {
    ModelText m = test::ContinuousBeam(1, 3000.0);
    m.Load(1, 1, 2, 2, 1, 2, -1.0, 0, 0, -1);
    return m;
}

TEST(FemModel, ValidModelPassesAndReadsEveryGroup) {
    FEM_kaikki m;
    test::Load(m, ValidModel());
    EXPECT_EQ(m.Validate(), 0);
    EXPECT_EQ(m.MessageText.TotalLines(), 0);
    EXPECT_EQ(m.Nodes.Count(), 2);
    EXPECT_EQ(m.Members.Count(), 1);
    EXPECT_EQ(m.Supports.Count(), 2);
    EXPECT_EQ(m.Loads.Count(), 1);
    EXPECT_EQ(m.Materials.CountGroup(1), 1);
    EXPECT_EQ(m.Materials.CountGroup(2), 1);
    EXPECT_DOUBLE_EQ(m.MemberLength(1), 3000.0);
    EXPECT_EQ(m.MemberLength(9), 0.0);
}

TEST(FemModel, ChecksReportTheirMessagesGroupsAndCodes) {
    struct Case {
        const char* name;
        void (*spoil)(ModelText&);
        int code;
        int group;
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        {"duplicate node", [](ModelText& m) { m.Node(2, 5000.0); }, -101, 100,
         {"Päällekkäisiä solmunumeroita", "Päällekkäisiä solmunumeroita"}},
        {"duplicate member", [](ModelText& m) { m.Member(1, 1, 2); }, -201, 200,
         {"Päällekkäisiä sauvanumeroita", "Päällekkäisiä sauvanumeroita"}},
        {"missing end node", [](ModelText& m) { m.Member(2, 2, 7); }, -206, 200,
         {"Sauvan loppusolmun numero virheellinen", "Sauvan pituus = 0"}},
        {"missing material and section", [](ModelText& m) { m.members.push_back("2;1;2;4;5;6111111;6111111;0;0;0"); },
         -204, 200, {"Sauvan materiaalin numero virheellinen", "Sauvan profiilin numero virheellinen"}},
        {"release codes out of range", [](ModelText& m) { m.Member(2, 1, 2, 5999999, 6111112); }, -205, 200,
         {"Sauvan vapautusmerkintä virheellinen", "Sauvan vapautusmerkintä virheellinen"}},
        {"zero length", [](ModelText& m) { m.Node(3, 0.0).Member(2, 1, 3); }, -206, 200, {"Sauvan pituus = 0"}},
        {"support node and code", [](ModelText& m) { m.Support(3, 9, 6111112); }, -305, 300,
         {"Tuen solmunumero virheellinen", "Tuen tuentamerkintä virheellinen"}},
        {"duplicate support", [](ModelText& m) { m.Support(1, 2, 6111111); }, -301, 300,
         {"Päällekkäisiä tukinumeroita", "Päällekkäisiä tukinumeroita"}},
        {"load kind and type", [](ModelText& m) { m.Load(2, 1, 3, 4, 1, 2, 1.0); }, -402, 400,
         {"Tuntematon kuormalaji (ei solmu/elementtikuorma)", "Tuntematon kuormatyyppi (ei piste,viiva tai trapetsi)"}},
        {"node load target and direction", [](ModelText& m) { m.Load(2, 1, 1, 1, 8, 7, 1.0); }, -405, 400,
         {"Kuorman solmunumero väärin", "Solmukuorman suunta väärin (oltava 1-6)"}},
        {"node load direction 0", [](ModelText& m) { m.Load(2, 1, 1, 1, 1, 0, 1.0); }, -405, 400,
         {"Solmukuorman suunta väärin (oltava 1-6)"}},
        {"member load target and direction", [](ModelText& m) { m.Load(2, 1, 2, 1, 8, -7, 1.0); }, -406, 400,
         {"Kuorman elementtinumero väärin", "Elementtikuorman suunta väärin (oltava (+-)1-6)"}},
        {"coupling nodes and code", [](ModelText& m) { m.Coupling(1, 8, 9, 7000000); }, -702, 700,
         {"Kytkennän solmunumero väärin", "Kytkennän solmunumero väärin", "Kytkennän tuentamerkinta virheellinen"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ModelText text = ValidModel();
        c.spoil(text);
        FEM_kaikki m;
        test::Load(m, text);
        EXPECT_EQ(m.Validate(), c.code);
        EXPECT_EQ(Messages(m, c.group), c.messages);
        EXPECT_EQ(m.Solve(), c.code);  // the solve runs the checks again and stops
    }
}

TEST(FemModel, AcceptedEdgeValues) {
    ModelText text = ValidModel();
    text.Member(2, 1, 2, 6000000, 6111111).Support(3, 2, 6000000).Load(2, 1, 2, 1, 1, -3, 5.0, 0, 100.0, 0);
    FEM_kaikki m;
    test::Load(m, text);
    EXPECT_EQ(m.Validate(), 0) << m.MessageText.Line(0, 2);
}

TEST(FemModel, EmptyTextReportsEveryMissingTable) {
    FEM_kaikki m;
    test::Load(m, ValidModel());
    const std::vector<std::string> empty;
    m.ReadInput("", &empty, 1);
    EXPECT_EQ(m.Nodes.Count() + m.Members.Count() + m.Supports.Count() + m.Loads.Count() + m.Materials.Count(), 0);
    EXPECT_EQ(m.Validate(), -601);
    const std::vector<std::string> expected = {
        "[ ==== 100 ==== ]", "Solmuja liian vähän (< 2)", "[ ==== 200 ==== ]", "Sauvoja liian vähän (<1)",
        "[ ==== 300 ==== ]", "Tuentoja liian vähän",      "[ ==== 400 ==== ]", "Kuormia liian vähän (<1)",
        "[ ==== 500 ==== ]", "Materiaaleja ei ole määritelty", "[ ==== 600 ==== ]",
        "Sauvojen profiileja ei ole määritelty"};
    EXPECT_EQ(m.MessageText.Lines(), expected);
}

TEST(FemModel, ReaderKeepsAbsentGroupsUnlessReplacing) {
    FEM_kaikki m;
    test::Load(m, ValidModel());
    // Mode 0 with only group 401: the other tables keep their records.
    const std::vector<std::string> loadsOnly = {"[ ==== 401 ==== ]", "7;2;2;2;1;2;-1;0;0;-1", "8;1;2;2;1;2;-1;0;0;-1"};
    m.ReadInput("", &loadsOnly, 0);
    EXPECT_EQ(m.Nodes.Count(), 2);
    ASSERT_EQ(m.Loads.Count(), 2);
    // Loads are ordered by load case: 8 (case 1) before 7 (case 2), and the case list is 1, 2.
    EXPECT_EQ(m.Loads.Int(0, 0), 8);
    EXPECT_EQ(m.Loads.CollectLoadCases(1), 2);
    EXPECT_EQ(m.Loads.LoadCases().AllValues(), (std::vector<double>{1.0, 2.0}));
    // Mode 1 empties what the text does not hold.
    m.ReadInput("", &loadsOnly, 1);
    EXPECT_EQ(m.Nodes.Count(), 0);
    EXPECT_EQ(m.Loads.Count(), 2);
}

TEST(FemModel, RejectedLinesAreReportedUnderTheirGroup) {
    ModelText text = ValidModel();
    text.nodes.push_back("3;4000");   // a node line without y and z
    text.nodes.push_back("x");        // too short to be read at all
    text.sections.push_back("1;7;210000;81000;1;1;1;1;1;1;1;1");  // a material written in group 601
    text.loads.push_back("9;1;2;x;1;2;1;0;0;0");
    FEM_kaikki m;
    test::Load(m, text);
    EXPECT_EQ(m.Nodes.FindNode(3), -1);
    EXPECT_EQ(m.Materials.CountGroup(2), 1);
    EXPECT_EQ(m.Materials.FindEntry(1, 7), 1);
    const std::vector<std::string> nodes = {"101, rivi 3: pal=-1 (3;4000)"};
    const std::vector<std::string> loads = {"401, rivi 2: pal=-2 (9;1;2;x;1;2;1;0;0;0)"};
    EXPECT_EQ(Messages(m, 100), nodes);
    EXPECT_EQ(Messages(m, 400), loads);
    // The checks keep the reader's notes in front of their own messages.
    EXPECT_EQ(m.Validate(), 0);
    EXPECT_EQ(Messages(m, 100), nodes);
    EXPECT_EQ(Messages(m, 400), loads);
}

TEST(FemModel, TableOperations) {
    FEM_kaikki m;
    test::Load(m, ValidModel());
    EXPECT_EQ(m.Nodes.DuplicateNode(2), 1000001);
    EXPECT_EQ(m.Nodes.DuplicateNode(1), 1000002);
    EXPECT_EQ(m.Nodes.DuplicateNode(42), -1);
    EXPECT_DOUBLE_EQ(m.Nodes.Real(m.Nodes.FindNode(1000001), 0), 3000.0);
    m.Nodes.RemoveGeneratedNodes();
    EXPECT_EQ(m.Nodes.Count(), 2);
    // After the largest input number 999 999 the generated number still lies above the threshold, so
    // the clean-up before the next solve removes it.
    const double xyz[3] = {};
    const int last = 999999;
    m.Nodes.Add(nullptr, xyz, &last);
    EXPECT_EQ(m.Nodes.DuplicateNode(1), 1000001);
    m.Nodes.RemoveGeneratedNodes();
    EXPECT_EQ(m.Nodes.Count(), 3);

    int code = 0;
    EXPECT_EQ(m.Members.EndRelease(0, 0, code), 0);
    m.Members.SetInt(0, 6, 6111110);
    EXPECT_EQ(m.Members.EndRelease(0, 1, code), 1);
    EXPECT_EQ(code, 6111110);
    EXPECT_EQ(m.Members.EndRelease(5, 1, code), 0);
    m.Members.ReplaceEndNode(0, 1, 1000005);
    EXPECT_EQ(m.Members.Int(0, 2), 1000005);
    EXPECT_EQ(m.Members.Int(0, 8), 2);
    m.Members.RestoreEndNodes(kGeneratedNumberThreshold);
    EXPECT_EQ(m.Members.Int(0, 2), 2);
    EXPECT_EQ(m.Members.Int(0, 8), 0);

    int flags[6];
    m.Supports.SupportFlags(1, flags);
    EXPECT_EQ(std::vector<int>(flags, flags + 6), (std::vector<int>{1, 1, 1, 1, 1, 0}));
    m.Supports.SupportFlags(42, flags);
    EXPECT_EQ(std::vector<int>(flags, flags + 6), (std::vector<int>(6, 0)));

    EXPECT_EQ(m.Couplings.AddGeneratedCoupling(5, 2, 6111110), 1000001);
    EXPECT_TRUE(m.Couplings.IsDependentNode(5));
    EXPECT_FALSE(m.Couplings.IsDependentNode(2));
    EXPECT_EQ(m.Couplings.DependentOf(2, 0, flags), 5);
    EXPECT_EQ(m.Couplings.DependentOf(1, 0, flags), -1);
    m.Couplings.RemoveGeneratedCouplings();
    EXPECT_EQ(m.Couplings.Count(), 0);
}

}  // namespace
}  // namespace kirvos
