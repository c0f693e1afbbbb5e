// Test seam for the global-memory stand-in.
#pragma once

// Makes the allocation after the next `allocationsToPass` ones fail (0: the
// very next one). A negative value turns the failure off.
void SetGlobalAllocFailure(int allocationsToPass);
