#pragma once

class CMirelleVWS;
struct GameMessage;

// What the scene asks of the table above it. The table's handlers are members of the scene but
// live in the library above, so the scene reaches them only through this.
class SceneTable {
public:
    // Handles one server message whose body was read in full.
    virtual void HandleMessage(CMirelleVWS& scene, const GameMessage& message) const = 0;

protected:
    ~SceneTable() = default;
};
