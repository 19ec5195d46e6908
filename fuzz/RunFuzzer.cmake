# Runs one fuzz target for a bounded time on a copy of its seed corpus, so
# that what the run adds stays in the build tree. Inputs that fail are kept
# in WORK/artifacts. Called by ctest with -DFUZZER, -DSEEDS, -DWORK, -DDICT,
# -DMAXLEN, -DSECONDS and -DEXTRA.
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(GLOB seeds ${SEEDS}/*)
if(seeds)
  file(COPY ${seeds} DESTINATION ${WORK}/corpus)
endif()
set(args -max_total_time=${SECONDS} -max_len=${MAXLEN} -timeout=10 -rss_limit_mb=2048
         -print_final_stats=1 -artifact_prefix=${WORK}/artifacts/)
if(DICT)
  list(APPEND args -dict=${DICT})
endif()
execute_process(COMMAND ${FUZZER} ${args} ${EXTRA} ${WORK}/corpus RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/artifacts")
endif()
