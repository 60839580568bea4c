#pragma once
// The simulated CAD's automation objects: application, document, selection
// sets, selection set and entity, answering the members of the AutoCAD object
// model the program uses. Each object is a view on the shared drawing, so a
// reference kept past a Delete raises on its next call instead of dangling.
//
// The application also answers the test members (Sim...), which are not
// recorded in the call log and never fail by arrangement; see test_members.h.

#include <cstdint>
#include <memory>

#include "cad/automation.h"
#include "sim/drawing.h"

namespace kelvo::sim {

ObjectRef MakeApplication(std::shared_ptr<Drawing> drawing);
ObjectRef MakeDocument(std::shared_ptr<Drawing> drawing);
ObjectRef MakeSelectionSets(std::shared_ptr<Drawing> drawing);
ObjectRef MakeSelectionSet(std::shared_ptr<Drawing> drawing, std::int64_t key);
// An entity by object id; the id has to be one the drawing gave out.
ObjectRef MakeEntity(std::shared_ptr<Drawing> drawing, std::int64_t id);

}  // namespace kelvo::sim
