// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window states the engine runs in place of the system's: minimise, maximise and restore,
// roll-up (the window collapses to its frame), the caption's double click and the placement at
// the first showing. A part of TSkinForm, which owns the state's events and size limits.
#include "platform/Types.h"

class TForm;
class TSkinForm;

// The frame's window states as the engine runs them.
enum class TSkinWindowState { Normal = 0, Minimized = 1, Maximized = 2 };

class TWindowStates {
 public:
  explicit TWindowStates(TSkinForm& engine);

  TSkinWindowState State() const { return state_; }
  bool Minimised() const { return state_ == TSkinWindowState::Minimized; }
  bool Maximised() const { return state_ == TSkinWindowState::Maximized; }
  bool RolledUp() const { return rolledUp_; }
  // Rolled up or minimised: the window shows its collapsed frame.
  bool Collapsed() const { return rolledUp_ || Minimised(); }
  bool RolledUpWhileMaximized() const { return rolledUpWhileMaximized_; }
  int HeightBeforeRollUp() const { return heightBeforeRollUp_; }
  // The bounds before a minimise or maximise; empty otherwise.
  const TRect& RestoreBounds() const { return restoreBounds_; }
  bool FirstShow() const { return firstShow_; }

  void SetState(TSkinWindowState state);
  // Refused without biRollUp, while minimised, and for a window rolled up before it was
  // maximised.
  void SetRollUp(bool rolledUp);
  // A double click on the caption: restore or maximise a sizeable window, else roll up or down.
  void CaptionDoubleClick();
  // The system menu's Restore: unrolls a window rolled up in its current state, else restores.
  void RestoreItem();
  // The first showing places the window by the engine's PositionInMonitor.
  void FirstShowPlacement();

 private:
  void Minimize();
  void Maximize();
  void Restore();
  void CentreByPosition();
  void ShowStatusBarGrip(bool visible);

  TSkinForm& engine_;
  TForm& form_;
  TSkinWindowState state_ = TSkinWindowState::Normal;
  bool rolledUp_ = false;
  bool rolledUpWhileMaximized_ = false;
  bool rolledUpAtMaximize_ = false;
  int heightBeforeRollUp_ = 0;
  TRect restoreBounds_{};
  bool firstShow_ = true;
};
