#pragma once

#include <vector>

#include "repair/plan.h"
#include "repair/vrinda_faces.h"

// The plan that takes every Vrinda face out of service: unregisters each, tells the
// windows and (once) the user, moves each file from the fonts folder to its
// backup and removes what is left there while a backup exists, then empties
// each registration so that the face does not load again at the next start.
// Every step that fails is passed over. A face whose registration could
// not be read is left as it is, and the emptying refused.
plan::Plan RemoveVrindaFont(const std::vector<VrindaFace>& faces);
