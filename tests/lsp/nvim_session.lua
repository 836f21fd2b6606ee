-- A headless Neovim session against "scenario-tool lsp" with Neovim's own
-- client: diagnostics at the misspelt keyword's line, a quick fix naming the
-- keyword, hover text, an outline with the stations, the diagnostics gone
-- after the fix, and a clean shutdown.
local tool = os.getenv('SCENARIO_TOOL')
local dir = os.getenv('SCENARIO_ROUTE')
local train = dir .. '/COLLINA_00042-.txt'

local function fail(message)
  io.stderr:write('nvim session: ' .. message .. '\n')
  os.exit(1)
end

local function session()
  local exit_code = nil
  local client_id = vim.lsp.start_client({
    name = 'scenario-tool',
    cmd = { tool, 'lsp' },
    root_dir = dir,
    on_exit = function(code) exit_code = code end,
  })
  if not client_id then fail('the server did not start') end

  vim.cmd('edit ' .. vim.fn.fnameescape(train))
  local buf = vim.api.nvim_get_current_buf()
  vim.lsp.buf_attach_client(buf, client_id)
  local client = vim.lsp.get_client_by_id(client_id)

  -- The misspelt keyword stands on this line (0-based).
  local bad_line = nil
  for i, text in ipairs(vim.api.nvim_buf_get_lines(buf, 0, -1, false)) do
    if text:find('^stazoine') then bad_line = i - 1 end
  end
  if not bad_line then fail('fixture without the misspelt keyword') end

  if not vim.wait(10000, function() return #vim.diagnostic.get(buf) > 0 end, 50) then
    fail('no diagnostics arrived')
  end
  local diagnostics = vim.diagnostic.get(buf)
  local found = false
  for _, d in ipairs(diagnostics) do
    if d.lnum == bad_line then found = true end
  end
  if not found then fail('no diagnostic at line ' .. (bad_line + 1) .. ': ' .. vim.inspect(diagnostics)) end

  local uri = vim.uri_from_bufnr(buf)
  local function request(method, params)
    local answer = client.request_sync(method, params, 10000, buf)
    if not answer or answer.err then fail(method .. ' failed: ' .. vim.inspect(answer)) end
    return answer.result
  end

  local actions = request('textDocument/codeAction', {
    textDocument = { uri = uri },
    range = { start = { line = bad_line, character = 0 }, ['end'] = { line = bad_line, character = 0 } },
    context = { diagnostics = {} },
  })
  local offered = false
  for _, a in ipairs(actions or {}) do
    if a.title:find('stazione', 1, true) then offered = true end
  end
  if not offered then fail('no quick fix offers "stazione": ' .. vim.inspect(actions)) end

  -- Hover on the position of the first station (line "stazione,       0, ...").
  local station_line = nil
  for i, text in ipairs(vim.api.nvim_buf_get_lines(buf, 0, -1, false)) do
    if text:find('^stazione') and not station_line then station_line = i - 1 end
  end
  local hover = request('textDocument/hover', {
    textDocument = { uri = uri },
    position = { line = station_line, character = 16 },
  })
  if not hover or not hover.contents or not hover.contents.value or
      not hover.contents.value:find('position', 1, true) then
    fail('hover returned no text naming the position: ' .. vim.inspect(hover))
  end

  local symbols = request('textDocument/documentSymbol', { textDocument = { uri = uri } })
  if not vim.inspect(symbols):find('ORIGINE', 1, true) then fail('the outline names no station') end

  -- The fix, typed into the buffer: the diagnostics go away.
  local fixed = vim.api.nvim_buf_get_lines(buf, bad_line, bad_line + 1, false)[1]:gsub('^stazoine', 'stazione')
  vim.api.nvim_buf_set_lines(buf, bad_line, bad_line + 1, false, { fixed })
  if not vim.wait(10000, function() return #vim.diagnostic.get(buf) == 0 end, 50) then
    fail('diagnostics stayed after the fix: ' .. vim.inspect(vim.diagnostic.get(buf)))
  end

  vim.lsp.stop_client(client_id)
  if not vim.wait(10000, function() return exit_code ~= nil end, 50) then fail('the server did not exit') end
  if exit_code ~= 0 then fail('the server exited with status ' .. exit_code) end
  print('nvim session: all checks passed')
end

-- A Lua error must end the editor too, not leave it waiting.
local ok, err = xpcall(session, debug.traceback)
if not ok then fail(tostring(err)) end
vim.cmd('qa!')
