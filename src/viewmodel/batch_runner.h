// The slow work of the view model, each on a thread of its own: batches of
// moves (rename, undo, redo) and the reading of files' dates.
#pragma once

#include <vector>

#include "engine/batch_progress.h"
#include "engine/file_dates_reader.h"
#include "viewmodel/background_job.h"

namespace vellumix {

using BatchRunner = BackgroundJob<BatchProgress, RenameResult>;
using DatesReader = BackgroundJob<DatesProgress, std::vector<FileDates>>;

}  // namespace vellumix
