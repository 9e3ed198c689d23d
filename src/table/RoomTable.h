#pragma once

#include "scene/SceneTable.h"

// The table's answer to the scene: each server message goes to the scene's handler of its body.
const SceneTable& RoomTable();
