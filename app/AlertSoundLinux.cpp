#include "app/AlertSound.h"

void AlertSound::warning()
{
    // Linux desktops make no sound of their own for a warning box, and the
    // terminal bell would be out of place beside a patient.
}
