// SPDX-License-Identifier: GPL-3.0-or-later
#include "labstate.h"

namespace kel::lab
{

LabState &labState()
{
    static LabState state;
    return state;
}

} // namespace kel::lab
