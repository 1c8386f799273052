// Writes the bash completion of the command from its option table: the
// long options, and after those that take one of a fixed list of values,
// that list; installed locales after --locale.
#include <cstdio>
#include <string>

#include "cli/options.h"
#include "identity/names.h"

int main() {
  const std::string program = mensurex::identity::kCommandProgram;
  std::string function = "_" + program;
  for (char& c : function) {
    if (c == '-' || c == '.') c = '_';
  }
  std::string options;
  std::string cases;
  std::string free_values;
  for (const auto& option : mensurex::cli::DescribeOptions()) {
    const std::string name = "--" + std::string(option.name);
    options += (options.empty() ? "" : " ") + name;
    if (!option.values.empty()) {
      std::string words;
      for (const std::string& value : option.values) {
        words += (words.empty() ? "" : " ") + value;
      }
      cases.append("    ")
          .append(name)
          .append(") words=\"")
          .append(words)
          .append("\" ;;\n");
    } else if (option.takes_value && name != "--locale") {
      free_values += " | " + name;
    }
  }
  std::printf(
      "# shellcheck shell=bash\n"
      "# Completion for %s in bash, generated from its option table.\n\n"
      "%s() {\n"
      "  local cur=${COMP_WORDS[COMP_CWORD]} prev=\"\"\n"
      "  ((COMP_CWORD > 0)) && prev=${COMP_WORDS[COMP_CWORD - 1]}\n"
      "  # bash splits \"--to=KB\" into \"--to\", \"=\" and \"KB\".\n"
      "  if [[ $cur == \"=\" ]]; then\n"
      "    cur=\"\"\n"
      "  elif [[ $prev == \"=\" ]] && ((COMP_CWORD > 1)); then\n"
      "    prev=${COMP_WORDS[COMP_CWORD - 2]}\n"
      "  fi\n"
      "  local words=\"\"\n"
      "  case $prev in\n"
      "%s"
      "    --locale) words=\"C $(locale -a 2>/dev/null)\" ;;\n"
      "    -d%s)\n"
      "      COMPREPLY=()\n"
      "      return\n"
      "      ;;\n"
      "    *)\n"
      "      [[ $cur == -* ]] || { COMPREPLY=(); return; }\n"
      "      words=\"%s\"\n"
      "      ;;\n"
      "  esac\n"
      "  mapfile -t COMPREPLY < <(compgen -W \"$words\" -- \"$cur\")\n"
      "}\n"
      "complete -F %s %s\n",
      program.c_str(), function.c_str(), cases.c_str(), free_values.c_str(),
      options.c_str(), function.c_str(), program.c_str());
}
