#include "screens/anemia/AnemiaScreens.h"

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>

// Each screen as a doctor reads it: its labels, then its options in order,
// each with its caption, what OK does for it, its place in twips and its tab
// index, then the places of OK, Home and Exit. Every text stands exactly as
// the screen shows it, runs of blanks included.

namespace {

// FormAnemia1: hemoglobin level at the first antenatal visit.
// Reached from the main window, topic "Anemia".
const QuestionScreenContent FormAnemia1{
    .kind = ScreenKind::FormAnemia1,
    .sizeFactor = 0.95,
    .labels = {
        questionLabel("Label1", "Anemia",
                      LabelRole::Title, {1920, 120, 1575, 615}, 2),
        questionLabel("Label2", "Anemia is an extremely common condition during pregnancy. Unless iron and folic acid supplements are given, hemoglobin tends to drop progressively as pregnancy advances, due to increased maternal and fetal demands.",
                      LabelRole::Introduction, {360, 840, 5175, 1455}, 6),
        questionLabel("Label3", "Check the hemoglobin level of the gravida at the first antenatal visit.",
                      LabelRole::Prompt, {360, 2520, 5055, 615}, 7),
    },
    .options = {
        // Option1
        {"10 g/dL or more",
         messageThenStay("There is no anemia in pregnancy, the lowering of hemoglobin level being due to hemodilution of pregnancy. Give the gravida iron and folic acid supplements throughout the pregnancy to meet the needs of the mother and fetus both."),
         {600, 3480, 2535, 375}, 3},
        // Option2
        {"Less than 10 g/dL",
         goStraightTo(ScreenKind::FormAnemia2),
         {600, 4200, 2655, 375}, 4},
    },
    .cmdOK = {{4320, 3240, 735, 375}, 0},
    .cmdHome = {{4320, 3720, 735, 375}, 5},
    .cmdExit = {{4320, 4200, 735, 375}, 1},
};

// FormAnemia2: hemogram, peripheral smear and blood indices.
// Reached from FormAnemia1 Option2.
const QuestionScreenContent FormAnemia2{
    .kind = ScreenKind::FormAnemia2,
    .sizeFactor = 0.95,
    .labels = {
        questionLabel("Label1", "Check the hemogram, peripheral smear, and blood indices of the gravida.",
                      LabelRole::Prompt, {360, 360, 7335, 375}, 2),
    },
    .options = {
        // Option1
        {"Hypochromia, microcytosis",
         messageThenGoTo("The diagnosis is iron deficiency anemia. Confirm it by estimating serum iron, total iron-binding capacity, and serum ferritin levels. Find out its cause and treat it.",
                         ScreenKind::FormAnemia11),
         {360, 960, 2655, 375}, 3},
        // Option2
        {"Macrocytosis,   hypersegmented neutrophils",
         messageThenGoTo("The diagnosis is megaloblastic anemia. Find out its cause and treat it.",
                         ScreenKind::FormAnemia11),
         {360, 1560, 2775, 375}, 4},
        // Option3
        {"Normal RBCs, plus hypochromia, microcytosis, basophilic stippling",
         goStraightTo(ScreenKind::FormAnemia3),
         {360, 2160, 2655, 735}, 5},
        // Option4
        {"Hypochromia, macrocytosis",
         messageThenGoTo("The diagnosis is dimorphic anemia, usually nutritional. Find out its cause and treat it.",
                         ScreenKind::FormAnemia11),
         {360, 3120, 2655, 375}, 7},
        // Option5
        {"Normochromia, normocytosis",
         goStraightTo(ScreenKind::FormAnemia4),
         {360, 3720, 1695, 375}, 8},
        // Option6
        {"Anisocytosis",
         messageThenGoTo("The diagnosis is a hemoglobinopathy.",
                         ScreenKind::FormAnemia7),
         {3600, 1080, 1695, 375}, 9},
        // Option7
        {"Low MCV, low MCH, normal MCHC",
         goStraightTo(ScreenKind::FormAnemia7),
         {3600, 1680, 2055, 375}, 10},
        // Option8
        {"Spherocytes",
         goStraightTo(ScreenKind::FormAnemia8),
         {3600, 2280, 1575, 375}, 11},
        // Option9
        {"Elliptocytes",
         messageThenGoTo("The diagnosis is elliptocytosis, a congenital form of hemolytic anemia due to abnormal red blood cell morphology.",
                         ScreenKind::FormAnemia11),
         {3600, 2880, 1455, 375}, 12},
        // Option10
        {"Acanthocytes",
         messageThenGoTo("The diagnosis is spur cell anemia due to Laennec's cirrhosis. Confirm it by performing liver function tests, hepatic ultrasonography, and if required, liver biopsy. Treat the gravida in joint consultation with a physician.",
                         ScreenKind::FormAnemia11),
         {3600, 3480, 1575, 375}, 13},
        // Option11
        {"Heinz bodies",
         goStraightTo(ScreenKind::FormAnemia9),
         {6120, 1080, 1575, 375}, 14},
        // Option12
        {"Pancytopenia",
         goStraightTo(ScreenKind::FormAnemia10),
         {6120, 1680, 1575, 375}, 15},
        // Option13
        {"Low RBC count, leukocytosis, thrombocytopenia",
         messageThenGoTo("The diagnosis is leukemia. Confirm it and determine its type by performing a bone marrow biopsy. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {6120, 2280, 1935, 735}, 16},
    },
    .cmdOK = {{1080, 4440, 735, 375}, 0},
    .cmdHome = {{4080, 4440, 735, 375}, 6},
    .cmdExit = {{6600, 4440, 735, 375}, 1},
};

// FormAnemia3: retic count and free red cell protoporphyrin.
// Reached from FormAnemia2 Option3.
const QuestionScreenContent FormAnemia3{
    .kind = ScreenKind::FormAnemia3,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Check the retic count. Obtain free red cell protoporphyrin level.",
                      LabelRole::Prompt, {360, 360, 4455, 615}, 2),
    },
    .options = {
        // Option1
        {"Retic count elevated             Free RBC protoporphyrin elevated",
         messageThenGoTo("The diagnosis is lead poisoning. Confirm it by checking serum and urine levels of lead. Treat the gravida in joint consultation with a physician.",
                         ScreenKind::FormAnemia11),
         {360, 1320, 3255, 735}, 3},
        // Option2
        {"Retic count normal                  Free RBC protoporphyrin normal",
         messageThenGoTo("The diagnosis is probably sideroblastic anemia. Confirm it by performing bone marrow biopsy, which shows ringed or abnormal sideroblasts. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {360, 2520, 3135, 375}, 4},
    },
    .cmdOK = {{4320, 1320, 735, 375}, 0},
    .cmdHome = {{4320, 1920, 735, 375}, 5},
    .cmdExit = {{4320, 2520, 735, 375}, 1},
};

// FormAnemia4: reticulocyte production index.
// Reached from FormAnemia2 Option5.
const QuestionScreenContent FormAnemia4{
    .kind = ScreenKind::FormAnemia4,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Check the reticulocyte production index (Reticulocyte count X Hematocrit/45) /2",
                      LabelRole::Prompt, {360, 360, 4455, 735}, 2),
    },
    .options = {
        // Option1
        {"Low",
         messageThenGoTo("The diagnosis is anemia due to a chronic disease.",
                         ScreenKind::FormAnemia5),
         {480, 1320, 2535, 375}, 3},
        // Option2
        {"Above 2",
         goStraightTo(ScreenKind::FormAnemia6),
         {480, 2040, 2655, 375}, 4},
    },
    .cmdOK = {{3360, 1200, 735, 375}, 0},
    .cmdHome = {{3360, 1680, 735, 375}, 5},
    .cmdExit = {{3360, 2160, 735, 375}, 1},
};

// FormAnemia5: the underlying chronic disease.
// Reached from FormAnemia4 Option1, after its chronic-disease message.
const QuestionScreenContent FormAnemia5{
    .kind = ScreenKind::FormAnemia5,
    .sizeFactor = 0.95,
    .labels = {
        questionLabel("Label1", "Perform a detailed systemic examination. Perform appropriate tests to confirm the diagnosis, in joint consultation with a physician.",
                      LabelRole::Prompt, {360, 360, 5175, 855}, 2),
    },
    .options = {
        // Option1
        {"Chronic renal failure",
         messageThenGoTo("Treat the gravida in joint consultation with a nephrologist.",
                         ScreenKind::FormAnemia11),
         {480, 1440, 2175, 375}, 3},
        // Option2
        {"Cirrhosis of liver",
         messageThenGoTo("Treat the gravida in joint consultation with a physician.",
                         ScreenKind::FormAnemia11),
         {480, 2040, 1815, 375}, 4},
        // Option3
        {"Hypothyroidism",
         messageThenGoTo("Treat the gravida in joint consultation with an endocrinologist.",
                         ScreenKind::FormAnemia11),
         {480, 2640, 1695, 375}, 5},
        // Option4
        {"Adrenal insufficiency",
         messageThenGoTo("Treat the gravida in joint consultation with an endocrinologist.",
                         ScreenKind::FormAnemia11),
         {3120, 1440, 2655, 375}, 7},
        // Option5
        {"Hypogonadism",
         messageThenGoTo("Treat the gravida in joint consultation with an endocrinologist.",
                         ScreenKind::FormAnemia11),
         {3120, 2040, 1695, 375}, 8},
    },
    .cmdOK = {{600, 3240, 735, 375}, 0},
    .cmdHome = {{2640, 3240, 735, 375}, 6},
    .cmdExit = {{4560, 3240, 735, 375}, 1},
};

// FormAnemia6: serum iron.
// Reached from FormAnemia4 Option2.
const QuestionScreenContent FormAnemia6{
    .kind = ScreenKind::FormAnemia6,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Check serum iron levels.",
                      LabelRole::Prompt, {360, 360, 4455, 375}, 2),
    },
    .options = {
        // Option1
        {"Low",
         messageThenGoTo("The diagnosis is iron deficiency anemia. Confirm it by estimating serum iron, total iron-binding capacity, and serum ferritin levels. Find out its cause and treat it.",
                         ScreenKind::FormAnemia11),
         {360, 1080, 1455, 375}, 3},
        // Option2
        {"Normal",
         goStraightTo(ScreenKind::FormAnemia7),
         {360, 1680, 1455, 375}, 4},
        // Option3
        {"High",
         goStraightTo(ScreenKind::FormAnemia7),
         {360, 2280, 1215, 375}, 5},
    },
    .cmdOK = {{2400, 1080, 735, 375}, 0},
    .cmdHome = {{2400, 1680, 735, 375}, 6},
    .cmdExit = {{2400, 2280, 735, 375}, 1},
};

// FormAnemia7: hemoglobin electrophoresis.
// Reached from FormAnemia2 Option6 (after its message) and Option7; FormAnemia6 Option2 and Option3.
const QuestionScreenContent FormAnemia7{
    .kind = ScreenKind::FormAnemia7,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Perform hemoglobin electrophoresis.",
                      LabelRole::Prompt, {360, 360, 4455, 375}, 2),
    },
    .options = {
        // Option1
        {"Normal",
         messageThenGoTo("The anemia is due to an infection. Find the cause and treat it appropriately.",
                         ScreenKind::FormAnemia11),
         {600, 960, 1215, 375}, 3},
        // Option2
        {"High HbA2,       normal or high HbF",
         messageThenGoTo("The diagnosis is beta-thalassemia. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {600, 1560, 2055, 375}, 4},
        // Option3
        {"HbS",
         messageThenGoTo("The diagnosis is sickle cell disease. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {600, 2160, 975, 375}, 5},
        // Option4
        {"HbSC",
         messageThenGoTo("The diagnosis is sickle-C (hemoglobin SC) disease. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {600, 2760, 1215, 375}, 7},
    },
    .cmdOK = {{3360, 1080, 735, 375}, 0},
    .cmdHome = {{3360, 1920, 735, 375}, 6},
    .cmdExit = {{3360, 2760, 735, 375}, 1},
};

// FormAnemia8: direct Coombs test.
// Reached from FormAnemia2 Option8.
const QuestionScreenContent FormAnemia8{
    .kind = ScreenKind::FormAnemia8,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Get a direct Coomb's test done on the patient's blood.",
                      LabelRole::Prompt, {360, 360, 4455, 615}, 2),
    },
    .options = {
        // Option1
        {"Negative",
         messageThenGoTo("The diagnosis is spherocytosis. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {480, 1320, 2055, 375}, 3},
        // Option2
        {"Positive",
         messageThenGoTo("The diagnosis is autoimmune hemolytic anemia. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {480, 2040, 2055, 375}, 4},
    },
    .cmdOK = {{3480, 1200, 735, 375}, 0},
    .cmdHome = {{3480, 1680, 735, 375}, 5},
    .cmdExit = {{3480, 2160, 735, 375}, 1},
};

// FormAnemia9: enzyme defects of the red blood cells.
// Reached from FormAnemia2 Option11.
const QuestionScreenContent FormAnemia9{
    .kind = ScreenKind::FormAnemia9,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Check for the presence of enzyme defects in the red blood cells.",
                      LabelRole::Prompt, {360, 360, 4455, 735}, 2),
    },
    .options = {
        // Option1
        {"G6PD deficiency",
         messageThenGoTo("The diagnosis is anemia due to hemolysis secondary to G6PD deficiency. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {360, 1320, 2055, 375}, 3},
        // Option2
        {"Pyruvate kinase deficiency",
         messageThenGoTo("The diagnosis is anemia due to hemolysis secondary to pyruvate kinase deficiency. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {360, 1920, 2655, 375}, 4},
        // Option3
        {"None",
         messageThenGoTo("The diagnosis is anemia due to hemolysis secondary to unstable hemoglobin. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {360, 2520, 2655, 375}, 5},
    },
    .cmdOK = {{3480, 1320, 735, 375}, 0},
    .cmdHome = {{3480, 1920, 735, 375}, 6},
    .cmdExit = {{3480, 2520, 735, 375}, 1},
};

// FormAnemia10: bone marrow examination.
// Reached from FormAnemia2 Option12.
const QuestionScreenContent FormAnemia10{
    .kind = ScreenKind::FormAnemia10,
    .sizeFactor = 0.95,
    .labels = {
        questionLabel("Label1", "Perform a bone marrow examination of the patient.",
                      LabelRole::Prompt, {360, 360, 5175, 375}, 2),
    },
    .options = {
        // Option1
        {"Aplasia",
         messageThenGoTo("The diagnosis is aplastic anemia. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {480, 960, 1455, 375}, 3},
        // Option2
        {"Normo- or hypercellular",
         messageThenGoTo("The diagnosis is myelodysplastic syndrome. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {480, 1560, 2415, 375}, 4},
        // Option3
        {"Myelofibrosis",
         messageThenGoTo("The diagnosis is myelofibrosis. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {480, 2160, 1695, 375}, 5},
        // Option4
        {"Metastatic carcinoma",
         messageThenGoTo("The diagnosis is anemia due to bone marrow infiltration by metastatic carcinoma. Find the primary carcinoma and treat it appropriately.",
                         ScreenKind::FormAnemia11),
         {3360, 960, 2655, 375}, 7},
        // Option5
        {"Lymphoreticular malignancy",
         messageThenGoTo("The diagnosis is anemia due to lymphoreticular malignancy. Treat the gravida in joint consultation with a hematologist.",
                         ScreenKind::FormAnemia11),
         {3360, 1560, 3135, 375}, 8},
        // Option6
        {"Tuberculosis",
         messageThenGoTo("The diagnosis is anemia due to bone marrow infiltration by tuberculous granulation tissue. Treat the gravida in joint consultation with a physician.",
                         ScreenKind::FormAnemia11),
         {3360, 2160, 2655, 375}, 9},
    },
    .cmdOK = {{720, 3000, 735, 375}, 0},
    .cmdHome = {{2640, 3000, 735, 375}, 6},
    .cmdExit = {{4560, 3000, 735, 375}, 1},
};

// FormAnemia11: severity of the anemia.
// Reached from every screen that states a diagnosis, after its message.
const QuestionScreenContent FormAnemia11{
    .kind = ScreenKind::FormAnemia11,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Assess the severity of the anemia by hemoglobin estimation.",
                      LabelRole::Prompt, {360, 360, 4695, 735}, 2),
    },
    .options = {
        // Option1
        {"8-10 g/dL",
         messageThenGoTo("The anemia is mild.",
                         ScreenKind::FormAnemia12),
         {360, 1320, 2415, 375}, 3},
        // Option2
        {"5-8 g/dL",
         messageThenGoTo("The anemia is moderate.",
                         ScreenKind::FormAnemia12),
         {360, 1920, 2415, 375}, 4},
        // Option3
        {"Less than 5 g/dL",
         messageThenGoTo("The anemia is severe.",
                         ScreenKind::FormAnemia12),
         {360, 2520, 2415, 375}, 5},
    },
    .cmdOK = {{3240, 1320, 735, 375}, 0},
    .cmdHome = {{3240, 1920, 735, 375}, 6},
    .cmdExit = {{3240, 2520, 735, 375}, 1},
};

// FormAnemia12: time available for treatment of the cause.
// Reached from FormAnemia11, every option, after the severity message.
const QuestionScreenContent FormAnemia12{
    .kind = ScreenKind::FormAnemia12,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Check adequacy of the time available for the treatment of the cause of the anemia to raise the hemoblobin level to at least 9 g/dL (preferably 10 g/dL) by 37 completed weeks of pregnancy.",
                      LabelRole::Prompt, {360, 360, 4935, 1215}, 2),
    },
    .options = {
        // Option1
        {"Adequate",
         messageThenStay("Continue treatment of the cause of the anemia. Check hemoglobin level periodically to confirm adequate response to treatment. Check hemoglobin level at term or when the gravida goes in labor, and if it is less than 9 g/dL, give adequate transfusion of packed cells to raise the hemoglobin level to 9 g/dL."),
         {480, 1920, 2175, 375}, 3},
        // Option2
        {"Inadequate",
         goStraightTo(ScreenKind::FormAnemia13),
         {480, 2760, 2655, 375}, 4},
    },
    .cmdOK = {{3720, 1800, 735, 375}, 0},
    .cmdHome = {{3720, 2280, 735, 375}, 5},
    .cmdExit = {{3720, 2760, 735, 375}, 1},
};

// FormAnemia13: hemoglobin level above 2 g/dL.
// Reached from FormAnemia12 Option2, with no message between.
const QuestionScreenContent FormAnemia13{
    .kind = ScreenKind::FormAnemia13,
    .sizeFactor = 0.75,
    .labels = {
        questionLabel("Label1", "Check if the hemoglobin level is above 2 g/dL.",
                      LabelRole::Prompt, {360, 360, 4695, 375}, 2),
    },
    .options = {
        // Option1
        {"Not more than 2 g/dL",
         messageThenStay("Perform modified exchange transfusion."),
         {480, 1200, 2535, 375}, 3},
        // Option2
        {"More than 2 g/dL",
         messageThenStay("Give packed cell transfusion. Achieve a hemoglobin level of at least 9 g/dL by term or when she goes in labor."),
         {480, 1920, 2655, 375}, 4},
    },
    .cmdOK = {{4200, 1200, 735, 375}, 0},
    .cmdHome = {{4200, 1680, 735, 375}, 5},
    .cmdExit = {{4200, 2160, 735, 375}, 1},
};
} // namespace

const QuestionScreenContent& anemiaScreenContent(ScreenKind kind)
{
    // In the order of their numbers; each holds its own kind, which the tests compare.
    static const std::array<const QuestionScreenContent*, anemiaScreenCount> screens{
        &FormAnemia1, &FormAnemia2, &FormAnemia3,  &FormAnemia4,  &FormAnemia5,  &FormAnemia6, &FormAnemia7,
        &FormAnemia8, &FormAnemia9, &FormAnemia10, &FormAnemia11, &FormAnemia12, &FormAnemia13,
    };
    const std::optional<int> number = anemiaScreenNumber(kind);
    if (!number)
        throw std::out_of_range("not a screen of the Anemia tree");
    return *screens[static_cast<std::size_t>(*number - 1)];
}
