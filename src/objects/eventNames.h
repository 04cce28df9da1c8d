#pragma once

#include <cstdint>

// The events an object can react to. Their names are dictionary keys; the words a learner
// types are the key's synonyms, and every synonym stands for the event's first word, under
// whose code handlers are stored.
enum class tEventKey : uint8_t {
    onCreate, onClean, onClick, onDoubleClick, onLeftDown, onRightDown, onMiddleDown, onLeftUp, onRightUp,
    onMiddleUp, onDrag, onPush, onRelease, onTool, onChange, onChanged, onPagelistChanged, onMouseMove,
    onMouseEnter, onMouseLeave, onVoiceCommand, onAddBehaviour, onDeleteBehaviour, onCollide, onBounce, onLoad,
    onPositionChange, onPlayStateChange, onStatusChanged, onReceive, onJoystickButton1Down,
    onJoystickButton1Up, onJoystickButton2Down, onJoystickButton2Up, onJoystickButton3Down,
    onJoystickButton3Up, onJoystickButton4Down, onJoystickButton4Up, onJoystickMove, onBegin, onComplete,
    onShowPage, onHidePage, onTurnToolBar, onReceiveObject, onErase,
};

// The code handlers of the event are stored under.
uint32_t eventCode(tEventKey event);
// Any word of an event stands for its first word; other names stand for themselves (a program
// may give an object events of its own).
uint32_t storedEventCode(uint32_t code);
bool isEventName(uint32_t code);

// Interns the lifecycle names ("create", "destroy", "defaultaction") and then every event word,
// in that order, whenever a language is set up, so that their codes form one block right after
// the language's first names.
void installEventNames();
