// Prepended to the program's script. The program's main gives the browser its turn every
// frame through ASYNCIFY, so it returns long after the runtime called it; the runtime
// therefore calls it as an asynchronous function and, once it returns, exits with its
// status as a desktop process would: the exit handlers run and the page hears the status.
Module['noInitialRun'] = true;
// The program's arguments are Module.arguments (the page takes them from its address), after
// the program's name, on the stack below main's frame as the runtime's own start would put them.
Module['onRuntimeInitialized'] = function () {
  Module['page'].started();
  var args = [thisProgram].concat(Module['arguments'] || []);
  var argv = stackAlloc((args.length + 1) * 4);
  args.forEach(function (arg, i) {
    HEAP32[(argv >> 2) + i] = allocateUTF8OnStack(arg);
  });
  HEAP32[(argv >> 2) + args.length] = 0;
  ccall('main', 'number', ['number', 'number'], [args.length, argv], { async: true }).then(
    function (status) {
      // No yielding from here on: exit handlers must run to the end in one go.
      Module['exiting'] = true;
      try {
        exit(status);
      } catch (e) {
        handleException(e);
      }
    },
    handleException);
};
