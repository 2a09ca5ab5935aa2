#pragma once

namespace tavrik {

// The machine runs on mains power: AC line status 1. Battery (0), unknown
// (255) and a failed query all count as not on mains.
bool IsOnMainsPower();

}  // namespace tavrik
