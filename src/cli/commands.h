#pragma once

#include "cli/cli_context.h"
#include "cli/cli_options.h"

namespace quillox::cli {

int RunShow(const Options& options, CliContext& context);
int RunInfo(const Options& options, CliContext& context);
int RunConvert(const Options& options, CliContext& context);
int RunGenerate(const Options& options, CliContext& context);
int RunExport(const Options& options, CliContext& context);

}  // namespace quillox::cli
