#pragma once

#include "app/workspace/program_folder.h"

#include <functional>

namespace velumo {

struct Form1State;
struct MainFormState;

// Gives every template instance opened by the current import (rows whose thumbnail mark is
// still "jiancai_no") its folder and its unpacked movie. When the import window's switch is
// "kai" the instance folders and the scene picture folder are emptied first. Every row, old or
// new, takes a fresh number of the unpack counter, so scratch files of one run never collide;
// the movie of a multi-photo instance is unpacked once. `step` advances the import progress
// once, `keepAlive` runs once per row. Throws velumo::Failure on unpack or file errors.
void prepareInstances(const ProgramFolder &program, Form1State &form1, MainFormState &mainForm,
                      const std::function<void()> &step, const std::function<void()> &keepAlive);

// Unpacks the closing template into its own folder, replacing whatever was there.
void prepareClosingTemplate(const ProgramFolder &program, const Form1State &form1);

} // namespace velumo
