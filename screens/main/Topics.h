#pragma once

#include "app/ScreenKind.h"

#include <array>
#include <optional>
#include <string_view>

// One presenting problem of the topic list, and the screen its walk starts on.
struct Topic {
    std::string_view name;
    // Nothing where this version of the program holds no guidance for the topic.
    std::optional<ScreenKind> firstScreen;
};

inline constexpr int topicCount = 73;

// The topic list in its fixed order; the index of an entry is its position.
// The order is nearly, not wholly, alphabetical: doctors know it as it stands.
inline constexpr std::array<Topic, topicCount> topics{{
    {"Adult respiratory distress syndrome", {}},
    {"Anemia", ScreenKind::FormAnemia1},
    {"Antepartum hemorrhage", {}},
    {"Asymptomatic bacteriuria", {}},
    {"Breast lump", {}},
    {"Breathlessness", {}},
    {"Breech presentation", {}},
    {"Brow presentation", {}},
    {"Burns", {}},
    {"Cardiac disease, noncyanotic", {}},
    {"Cardiac disease, cyanotic", {}},
    {"Coagulopathy", {}},
    {"Coarctation of aorta", {}},
    {"Collapse", {}},
    {"Compound presentation", {}},
    {"Convulsions", {}},
    {"Cough", {}},
    {"Ectopic pregnancy", {}},
    {"Edema", {}},
    {"Epistaxis", {}},
    {"Exposure to teratogen", {}},
    {"Face presentation", {}},
    {"Failure to gain weight", {}},
    {"Fetal distress", {}},
    {"Fetal macrosomia", {}},
    {"Fetal monitoring, antepartum", {}},
    {"Fetal monitoring, intrapartum", {}},
    {"Fetal tachyarrhythmia", {}},
    {"First trimester vaginal bleeding", {}},
    {"Goitre", {}},
    {"Hematemesis", {}},
    {"Hernia", {}},
    {"High floating presenting part", {}},
    {"Hydramnios", {}},
    {"Hydrocephalus", {}},
    {"Hydrops fetalis", {}},
    {"Hypertension", {}},
    {"Induction of labor", {}},
    {"Jaundice", {}},
    {"LMP unknown", {}},
    {"Loss of fetal movements", {}},
    {"Multiple pregnancy", {}},
    {"Nipple discharge", {}},
    {"Nonprogress of labor", {}},
    {"Occiput posterior position", {}},
    {"Oligohydramnios", {}},
    {"Out of wedlock pregnancy", {}},
    {"Pelvic contraction", {}},
    {"Pelvic/abdominopelvic lump", {}},
    {"Prenatal diagnosis", {}},
    {"Postdatism", {}},
    {"Postpartum hemorrhage, early", {}},
    {"Postpartum hemorrhage, late", {}},
    {"Postpartum mastalgia", {}},
    {"Premature rupture of membranes", {}},
    {"Preterm labor", {}},
    {"Previous cesarean section", {}},
    {"Pruritus", {}},
    {"Puerperal pyrexia", {}},
    {"Pulmonary thromboembolism", {}},
    {"Renal disease", {}},
    {"Rh-isoimmunization", {}},
    {"Septic abortion", {}},
    {"Soft tissue dystocia", {}},
    {"Suspicion of pregnancy", {}},
    {"Thyroid nodule", {}},
    {"Transverse lie", {}},
    {"Trauma", {}},
    {"Umbilical cord prolapse", {}},
    {"Uterus larger than expected", {}},
    {"Uterus smaller than expected", {}},
    {"Varicose veins", {}},
    {"Vomiting", {}},
}};
