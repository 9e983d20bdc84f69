#pragma once

#include <QString>

// The program file's name without folder and extension: the caption of every
// box the shell raises on its own behalf (failures, help).
QString applicationName();
